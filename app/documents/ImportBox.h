#pragma once
// The import box "导入数据": before a data file goes into the grid it shows
// the first rows and the guesses (sheet, header rows, the columns that hold
// readings; for text files the encoding and the decimal separator), each
// changeable. A scripted window takes the guesses as they stand.
#include <QJsonObject>
#include <QString>

#include <optional>

#include "DataFile.h"
#include "ImportChoice.h"

class QWidget;

// A file read for import with the current settings and the choice made of it.
class TImportSession {
public:
    // Reads the file and guesses; throws TFileError.
    TImportSession(const QString& path, const QString& decimal);

    const TDataFile& File() const { return file_; }
    const TDataFileRequest& Request() const { return request_; }
    TImportChoice Choice;

    // Reads again after a change of sheet, encoding or decimal separator; the
    // choice is guessed anew.
    void Reread(std::size_t sheet, const std::string& encoding, const std::optional<std::string>& decimalOption,
                std::optional<char> fieldOption);
    // The cells that go into the grid, numbers with the separator in force.
    std::vector<std::vector<std::string>> Cells() const;
    // The dump's record of the choices.
    QJsonObject Record() const;

private:
    void Read();

    TDataFileRequest request_;
    TDataFile file_;
};

class TImportBox {
public:
    virtual ~TImportBox() = default;
    // False when the user cancels.
    virtual bool Confirm(TImportSession& session) = 0;
};

class TDialogImportBox : public TImportBox {
public:
    explicit TDialogImportBox(QWidget* parent) : parent_(parent) {}
    bool Confirm(TImportSession& session) override;

private:
    QWidget* parent_;
};

class TGuessingImportBox : public TImportBox {
public:
    bool Confirm(TImportSession&) override { return true; }
};
