#pragma once
// Whether the results on the form still belong to the data: after a compute,
// any change of a grid cell, of the limits, of the subgroup size or of the
// number settings makes them stale until the next compute. Also the notices
// of the last compute. Exports ask before they write stale results.
#include <QObject>
#include <QStringList>

class TForm1;

class TResultsState : public QObject {
    Q_OBJECT
public:
    // Watches the form it belongs to.
    explicit TResultsState(TForm1& form);
    // The state the form carries; null for a form without one.
    static TResultsState* Of(const TForm1& form);

    bool Stale() const { return stale_; }
    const QStringList& Notices() const { return notices_; }

signals:
    void Changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InputChanged();
    void Computed(bool completed);

    TForm1& form_;
    bool hasResults_ = false;
    bool stale_ = false;
    QStringList notices_;
};

// Before an export of the results: true to go on. With stale results it asks
// whether to compute first (then computes; an error ends the export), export
// anyway or cancel.
bool ConfirmCurrentResults(TForm1& form);
