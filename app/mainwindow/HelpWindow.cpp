#include "HelpWindow.h"

#include <QDialog>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "NumberSettings.h"

QString HelpText()
{
    const QString separator = QString::fromStdString(NumberSettings().DecimalSeparator);
    return QString::fromUtf8(
               "<h3>CPK-X-R控制图 使用说明</h3>"
               "<p><b>输入</b>：左上的表格放测量数据，每行一个子组，每列子组中的一个测量值；"
               "上规格、目标值、下规格和子组大小（手动）是输入框。其余的框和列表显示结果。</p>"
               "<p><b>按钮</b>：单元格赋值 填入 25 个示例数据；清空单元格 清除表格；"
               "计算CPK(整体) 计算统计量、过程能力、直方图和控制图（F9）；显示分布图 重画分布图。</p>"
               "<p><b>表格与剪贴板</b>：F2 或直接输入编辑单元格，回车确认，Esc 取消本次编辑；"
               "Delete 清空选中的单元格；Ctrl+C 把表格复制为制表符分隔的文本，"
               "Ctrl+V 从当前单元格起粘贴电子表格中复制的数据。</p>"
               "<p><b>撤销与重做</b>：Ctrl+Z 撤销表格的上一步修改（输入、粘贴、删除、清空、填入示例数据），"
               "Ctrl+Y 或 Ctrl+Shift+Z 重做；编辑菜单和表格的右键菜单中也有这两项。</p>"
               "<p><b>哪些单元格参与计算</b>：空的单元格被跳过，其余单元格按表格的阅读顺序参与计算；"
               "单元格中若有不是数字的文字，计算就此停止，并显示该文字的出错信息。</p>"
               "<p><b>扩展分析</b>：计算菜单 "
               "扩展分析（Ctrl+E）打开另一个窗口，用同样的数据给出带置信区间的过程能力指数、"
               "PPM、正态性检验、判异规则以及控制图和概率图；数据或选项改变时自动重新计算。</p>"
               "<p><b>键盘</b>：启动后表格即有焦点，可直接输入；Tab 在各框之间移动；Shift+F10 "
               "打开表格或图表的右键菜单；"
               "编辑菜单 图表 可把焦点移到某个图表并打开它的菜单。</p>"
               "<p><b>研究信息</b>：文件菜单 研究信息… 填写控制图编号、零件、质量特性、部门、工序、操作者、量具、"
               "工程规范、样本容量/频率、日期和备注，随研究文件保存；窗体上方的标签显示填写的内容，"
               "较长的内容以 “…” 截断，鼠标停留时显示全文。</p>"
               "<p><b>导出与打印</b>：文件菜单 导出报告(PDF) 保存过程能力研究报告：第 1 页为研究信息、规格、"
               "过程能力（组内、整体、实测）及各 CPK 的等级，其后为四个图表、扩展分析（其窗口打开时）、"
               "全部读数和各多行文本框的每一行；打印（Ctrl+P）打印同一报告，"
               "导出窗口图像 把窗口保存为 PNG，导出到 Excel "
               "把研究信息、结果、读数、子组、直方图和四个图表写入一个工作簿；"
               "编辑菜单 复制结果 把所有结果连同标签复制为表格；"
               "在图表上单击右键可复制图像或保存为 PNG、SVG、PDF。</p>"
               "<p><b>小数点</b>：数字按系统区域设置的小数点书写，当前为 “%1”。</p>"
               "<p><b>整体与组内</b>：“整体” 用全部数据的标准差（长期波动），“组内” 用子组内的波动"
               "（各子组标准差的平均值除以 c4，短期波动）。两者相差大时，说明过程在子组之间有漂移。</p>")
        .arg(separator.toHtmlEscaped());
}

QWidget* ShowHelpWindow(QWidget& owner)
{
    auto* window = owner.findChild<QDialog*>(QStringLiteral("HelpWindow"));
    if (!window) {
        window = new QDialog(&owner);
        window->setObjectName(QStringLiteral("HelpWindow"));
        window->setWindowTitle(QString::fromUtf8("使用说明"));
        auto* text = new QTextBrowser(window);
        text->setObjectName(QStringLiteral("HelpText"));
        auto* layout = new QVBoxLayout(window);
        layout->addWidget(text);
        window->resize(520, 420);
    }
    // The decimal separator may have changed since the last opening.
    window->findChild<QTextBrowser*>(QStringLiteral("HelpText"))->setHtml(HelpText());
    window->show();
    window->raise();
    return window;
}
