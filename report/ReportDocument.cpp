#include "ReportDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

#include "CapabilityGrade.h"
#include "ReportChartObject.h"
#include "ReportContent.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

// The form's family; its Chinese glyphs come from the application's
// preference. Sizes in pixels of 96 per inch (12 is 9 points), so that the
// layout does not follow the screen's resolution.
QFont ReportFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A user's text as paragraphs: every kind of line break starts a new one.
QString Paragraphs(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// At most this many grid columns side by side; wider grids go in blocks.
constexpr int ReadingColumnsPerTable = 10;
// Rows of one table piece: about ten pages.
constexpr int RowsPerTable = 400;
// A control chart is never flatter than this on the page.
constexpr int MinimumChartHeight = 240;

class TReportBuilder {
public:
    TReportBuilder(QTextDocument& document, int width) : cursor_(&document), width_(width)
    {
        charts_ = new TReportChartObject(document);
    }

    void Heading(const QString& text, int pixels, bool newPage = false)
    {
        QTextBlockFormat block;
        block.setTopMargin(first_ ? 0 : 10);
        block.setBottomMargin(4);
        if (newPage)
            block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        StartBlock(block);
        QTextCharFormat format;
        format.setFont(ReportFont(pixels, true));
        cursor_.insertText(text, format);
    }

    void Paragraph(const QString& text, bool bold = false)
    {
        StartBlock(QTextBlockFormat());
        QTextCharFormat format;
        format.setFont(ReportFont(12, bold));
        cursor_.insertText(Paragraphs(text), format);
    }

    // A name and its text, the text's lines beside the name. Not a table:
    // a text of any length runs over pages line by line.
    void NamedText(const QString& name, const QString& text)
    {
        constexpr qreal NameWidth = 110;
        QTextBlockFormat block;
        block.setLeftMargin(NameWidth);
        block.setTextIndent(-NameWidth);
        block.setTabPositions({QTextOption::Tab(NameWidth, QTextOption::LeftTab)});
        StartBlock(block);
        QTextCharFormat format;
        format.setFont(ReportFont(12, true));
        cursor_.insertText(name + QLatin1Char('\t'), format);
        format.setFont(ReportFont(12));
        cursor_.insertText(Paragraphs(text).replace(QLatin1Char('\n'), QChar::LineSeparator), format);
    }

    // Columns share the table's width by the given percentages, or evenly.
    void Table(const TReportTable& table, int percentWidth = 100, const QList<int>& columnPercents = {})
    {
        if (!table.Title.isEmpty())
            Paragraph(table.Title, true);
        if (table.Rows.isEmpty()) {
            Paragraph(U("（无）"));
            return;
        }
        int columns = int(table.Header.size());
        for (const QStringList& row : table.Rows)
            columns = std::max(columns, int(row.size()));
        if (columns == 0)
            return;
        const int headerRows = table.Header.isEmpty() ? 0 : 1;
        QTextTableFormat format;
        format.setBorder(0.5);
        format.setBorderBrush(QColor(130, 130, 130));
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellSpacing(0);
        format.setCellPadding(2);
        format.setHeaderRowCount(headerRows);
        format.setWidth(QTextLength(QTextLength::PercentageLength, percentWidth));
        format.setTopMargin(2);
        QList<QTextLength> widths;
        for (const int percent : columnPercents)
            widths << QTextLength(QTextLength::PercentageLength, percent);
        format.setColumnWidthConstraints(widths);
        QTextCharFormat plain, bold;
        plain.setFont(ReportFont(12));
        bold.setFont(ReportFont(12, true));
        StartBlock(QTextBlockFormat());
        // A page draws only the tables it shows, so long tables go in pieces,
        // each with its heads, with no room between them.
        for (qsizetype first = 0; first < table.Rows.size(); first += RowsPerTable) {
            if (first > 0) {
                QTextBlockFormat gap;
                gap.setLineHeight(0, QTextBlockFormat::FixedHeight);
                cursor_.setBlockFormat(gap);
            }
            const int rows = int(std::min(table.Rows.size() - first, qsizetype(RowsPerTable)));
            QTextTable* inserted = cursor_.insertTable(rows + headerRows, columns, format);
            for (int col = 0; col < int(table.Header.size()); ++col)
                inserted->cellAt(0, col).firstCursorPosition().insertText(table.Header[col], bold);
            for (int row = 0; row < rows; ++row) {
                const QStringList& cells = table.Rows[first + row];
                for (int col = 0; col < int(cells.size()); ++col)
                    inserted->cellAt(row + headerRows, col)
                        .firstCursorPosition()
                        .insertText(Paragraphs(cells[col]), plain);
            }
            cursor_.movePosition(QTextCursor::End);
        }
    }

    void Chart(const TReportChart& chart)
    {
        if (!chart.Chart || chart.FormWidth <= 0)
            return;
        if (!chart.Caption.isEmpty())
            Paragraph(chart.Caption, true);
        const int height = std::max(MinimumChartHeight, chart.FormHeight * width_ / chart.FormWidth);
        QTextBlockFormat block;
        block.setBottomMargin(8);
        StartBlock(block);
        charts_->Insert(cursor_, *chart.Chart, width_, height);
    }

private:
    // The document starts with an empty block, which the first text takes.
    void StartBlock(const QTextBlockFormat& format)
    {
        if (first_)
            cursor_.setBlockFormat(format);
        else
            cursor_.insertBlock(format);
        first_ = false;
    }

    QTextCursor cursor_;
    TReportChartObject* charts_;
    const int width_;
    bool first_ = true;
};

QString Text(const TReportContent& content, const char* control) { return content.Texts.value(QLatin1String(control)); }

TReportTable SpecificationTable(const TReportContent& content)
{
    const auto pair = [&](const char* name1, const char* control1, const char* name2, const char* control2) {
        return QStringList{U(name1), Text(content, control1), U(name2), Text(content, control2)};
    };
    return {U("规格与统计量"),
            {},
            {pair("上规格 USL", "Edit6", "下规格 LSL", "Edit8"), pair("目标值", "Edit7", "子组大小", "Edit32"),
             pair("总样本数", "Edit1", "子组数", "Edit33"), pair("平均值", "Edit3", "组数（斯特奇斯公式）", "Edit31"),
             pair("最大值", "Edit4", "最小值", "Edit5"), pair("+3Sigma", "Edit9", "-3Sigma", "Edit10"),
             pair("组内 STDEV", "Edit11", "整体 STDEV", "Edit12")}};
}

TReportTable CapabilityTable(const TReportContent& content)
{
    const auto row = [&](const char* name, const char* within, const char* overall, const char* measured) {
        return QStringList{U(name), Text(content, within), Text(content, overall), Text(content, measured)};
    };
    return {U("过程能力"),
            {QString(), U("组内"), U("整体"), U("实测")},
            {row("CP", "Edit15", "Edit16", ""), row("CPL", "Edit17", "Edit18", ""), row("CPU", "Edit19", "Edit20", ""),
             row("CPK", "Edit13", "Edit14", ""), row("CA", "", "Edit21", ""),
             row("PPM<LSL", "Edit28", "Edit22", "Edit24"), row("PPM>USL", "Edit29", "Edit23", "Edit25"),
             row("PPM Total", "Edit30", "Edit26", "Edit27")}};
}

// The X-bar and R chart's CPK: the last key value, after its caption.
QString XbarRCpkText(const TReportContent& content)
{
    static const QString Caption = U("XR图的CPK=:");
    for (const TReportMemo& memo : content.Memos)
        for (const QString& line : memo.Lines)
            if (line.startsWith(Caption))
                return line.mid(Caption.size());
    return {};
}

TReportTable GradeTable(const TReportContent& content)
{
    TReportTable table{U("过程能力等级"), {U("CPK"), U("值"), U("等级"), U("判定")}, {}};
    const std::pair<QString, QString> cpks[] = {{U("组内 CPK"), Text(content, "Edit13")},
                                                {U("整体 CPK"), Text(content, "Edit14")},
                                                {U("XR图的CPK"), XbarRCpkText(content)}};
    for (const auto& [name, text] : cpks) {
        if (text.isEmpty())
            continue;
        const TCapabilityGrade grade = GradeOfCpkText(text);
        table.Rows.append({name, text, grade.Grade.isEmpty() ? U("—") : grade.Grade, grade.Judgement});
    }
    return table;
}

QString GradeLegend()
{
    QStringList grades;
    for (const TCapabilityGrade& grade : CapabilityGrades())
        grades << grade.Grade + U("：") + grade.Range;
    return U("等级表（含下限，不含上限）：") + grades.join(U("；"));
}

// The memos whose lines belong together side by side, as on the form.
TReportTable MemoTable(const TReportContent& content, int first, int count)
{
    TReportTable table;
    qsizetype rows = 0;
    for (int i = first; i < first + count && i < int(content.Memos.size()); ++i) {
        table.Header << content.Memos[std::size_t(i)].Heading;
        rows = std::max(rows, content.Memos[std::size_t(i)].Lines.size());
    }
    for (qsizetype row = 0; row < rows; ++row) {
        QStringList cells;
        for (int i = first; i < first + count && i < int(content.Memos.size()); ++i)
            cells << content.Memos[std::size_t(i)].Lines.value(row);
        table.Rows.append(cells);
    }
    return table;
}

std::vector<TReportTable> ReadingTables(const QList<QStringList>& readings)
{
    qsizetype columns = 0;
    for (const QStringList& row : readings)
        columns = std::max(columns, row.size());
    std::vector<TReportTable> tables;
    for (qsizetype first = 0; first < columns; first += ReadingColumnsPerTable) {
        const qsizetype end = std::min(columns, first + ReadingColumnsPerTable);
        TReportTable& table = tables.emplace_back();
        if (columns > ReadingColumnsPerTable)
            table.Title = U("第 %1–%2 列").arg(first + 1).arg(end);
        table.Header << U("行");
        for (qsizetype col = first; col < end; ++col)
            table.Header << QString::number(col + 1);
        for (qsizetype row = 0; row < readings.size(); ++row) {
            QStringList cells{QString::number(row + 1)};
            for (qsizetype col = first; col < end; ++col)
                cells << readings[row].value(col);
            table.Rows.append(cells);
        }
    }
    return tables;
}

void FirstPage(TReportBuilder& report, const TReportContent& content)
{
    report.Heading(U("过程能力研究报告"), 21);
    report.Paragraph(U("研究信息"), true);
    for (const TStudyFieldInfo& field : StudyFields)
        report.NamedText(U(field.Name), content.Study[field.Field]);
    report.Table(SpecificationTable(content), 100, {20, 30, 20, 30});
    report.Table(CapabilityTable(content), 100, {16, 28, 28, 28});
    report.Paragraph(U("实测不合格"), true);
    for (const char* label : {"Label27", "Label29", "Label30"})
        report.Paragraph(Text(content, label));
    report.Table(GradeTable(content), 100, {16, 28, 10, 46});
    report.Paragraph(GradeLegend());
    if (!content.Notices.isEmpty()) {
        report.Paragraph(U("计算提示"), true);
        for (const QString& notice : content.Notices)
            report.Paragraph(notice);
    }
}

// Drawing a page, Qt draws the line above its first one again, clipped away
// but with its text in the PDF, where a paragraph runs on from the page
// before. Such a paragraph is therefore cut into two where the page starts,
// the second part starting the page; its lines stay where they were.
void CutParagraphsAtPageStarts(QTextDocument& document)
{
    const qreal pageHeight = document.pageSize().height();
    QAbstractTextDocumentLayout& layout = *document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const qreal top = layout.blockBoundingRect(block).top();
        const QTextLayout& lines = *block.layout();
        for (int line = 1; line < lines.lineCount(); ++line) {
            const auto page = [&](int index) { return int((top + lines.lineAt(index).y()) / pageHeight); };
            if (page(line) == page(line - 1))
                continue;
            QTextBlockFormat rest = block.blockFormat();
            rest.setTextIndent(0);
            rest.setTopMargin(0);
            rest.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor cursor(&document);
            cursor.setPosition(block.position() + lines.lineAt(line).textStart());
            cursor.insertBlock(rest);
            block = cursor.block().previous();
            break;
        }
    }
}

}  // namespace

QString ReportTitle(const TReportContent& content)
{
    QStringList studied;
    for (const TStudyField field : {TStudyField::Part, TStudyField::Characteristic})
        if (const QString text = content.Study[field].simplified(); !text.isEmpty())
            studied << text;
    const QString name = U("过程能力研究报告");
    return studied.isEmpty() ? name : name + U("：") + studied.join(U(" · "));
}

std::unique_ptr<QTextDocument> BuildReportDocument(const TReportContent& content, const QSizeF& body)
{
    auto document = std::make_unique<QTextDocument>();
    // Laid out in the device's units without measuring on it or on the screen:
    // the window and the batch break every line at the same place.
    document->setUseDesignMetrics(true);
    document->setDocumentMargin(0);
    document->setDefaultFont(ReportFont(12));
    QTextOption option = document->defaultTextOption();
    // A text of any length and any characters stays inside its cell.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(Qt::LeftToRight);
    document->setDefaultTextOption(option);
    document->setPageSize(body);
    // Laid out once, when it is whole; nothing to undo.
    document->setUndoRedoEnabled(false);
    QTextCursor whole(document.get());
    whole.beginEditBlock();

    TReportBuilder report(*document, int(body.width()));
    FirstPage(report, content);

    report.Heading(U("控制图与分布图"), 17, true);
    for (const TReportChart& chart : content.Charts)
        report.Chart(chart);

    if (!content.Extended.empty() || !content.ExtendedMessages.isEmpty()) {
        report.Heading(U("扩展分析"), 17);
        for (const QString& message : content.ExtendedMessages)
            report.Paragraph(message);
        for (const TReportTable& table : content.Extended)
            report.Table(table);
    }

    report.Heading(U("测量数据"), 17, true);
    if (content.Readings.isEmpty())
        report.Paragraph(U("（表格中没有读数）"));
    // Every block of columns in the same column width.
    for (const TReportTable& table : ReadingTables(content.Readings))
        report.Table(table, std::min(100, int(table.Header.size()) * 100 / (ReadingColumnsPerTable + 1)));

    report.Heading(U("计算结果明细"), 17);
    report.Table(MemoTable(content, 0, 4));
    report.Table(MemoTable(content, 4, 3), 75);
    report.Table(MemoTable(content, 7, 1), 50);
    whole.endEditBlock();
    CutParagraphsAtPageStarts(*document);
    return document;
}
