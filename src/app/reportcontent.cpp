#include "app/reportcontent.h"

#include "gui/language.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTableView>

namespace {
template <typename T> const T *control(const QWidget *form, const QString &name) {
    return form ? form->findChild<const T *>(name) : nullptr;
}

const QWidget *form(const QWidget *root, const char *name) {
    if (!root)
        return nullptr;
    if (root->objectName() == QLatin1String(name))
        return root;
    return root->findChild<const QWidget *>(QString::fromLatin1(name));
}

QString caption(const QWidget *form3, const QString &label) {
    const QLabel *l = control<QLabel>(form3, label);
    return l ? l->text() : QString();
}

// The text a text box or a list shows.
QString shown(const QWidget *form3, const QString &name) {
    if (const QLineEdit *edit = control<QLineEdit>(form3, name))
        return edit->text();
    if (const QComboBox *box = control<QComboBox>(form3, name))
        return box->currentText();
    return {};
}

ReportRow row(const QWidget *form3, const QString &label, const QString &value) {
    return {caption(form3, label), shown(form3, value)};
}

ReportRow numbered(const QWidget *form3, int n, const char *valuePrefix) {
    return row(form3, QStringLiteral("Label%1").arg(n),
               QStringLiteral("%1%2").arg(QLatin1String(valuePrefix)).arg(n));
}

ReportSection generalSection(const QWidget *form3) {
    ReportSection s{lang::pick("功能设置", "Function Set"), {}};
    // B's channel number comes before A's.
    s.rows << numbered(form3, 2, "Text") << numbered(form3, 6, "Text");
    for (int n : {1, 3, 5, 7, 8, 9, 10, 11, 19})
        s.rows << numbered(form3, n, "Combo");
    s.rows << numbered(form3, 31, "Text");
    s.rows << row(form3, QStringLiteral("LabelMod"), QStringLiteral("ComboMod"));
    return s;
}

ReportSection vfoSection(const QWidget *form3) {
    ReportSection s{lang::pick("全频频率", "The whole frequency frequently"), {}};
    s.rows << numbered(form3, 20, "Text") << numbered(form3, 21, "Text");
    for (int n = 22; n <= 30; ++n)
        s.rows << numbered(form3, n, "Combo");
    return s;
}

ReportSection voxSection(const QWidget *form3) {
    ReportSection s{lang::pick("VOX(声控发射)", "VOX(Voice control launches)"), {}};
    s.rows << numbered(form3, 14, "Combo") << numbered(form3, 15, "Combo");
    const QCheckBox *check = control<QCheckBox>(form3, QStringLiteral("Check12"));
    const bool ticked = check && check->isChecked();
    s.rows << ReportRow{lang::pick("是否", "Whether") + (check ? check->text() : QString()),
                        ticked ? lang::pick("是", "Yes") : lang::pick("否", "No")};
    return s;
}

ReportSection calibrationSection(const QWidget *form4) {
    ReportSection s{lang::pick("调试信息", "Debug information"), {}};
    for (int k = 0; k < 3; ++k) {
        const QGroupBox *frame = control<QGroupBox>(form4, QStringLiteral("Frame1_%1").arg(k));
        const QSlider *slider = control<QSlider>(form4, QStringLiteral("Slider1_%1").arg(k));
        s.rows << ReportRow{frame ? frame->title() : QString(),
                            slider ? QString::number(slider->value()) : QString()};
    }
    return s;
}

void collectGrid(const QWidget *form1, ReportContent &content) {
    const QTableView *grid = control<QTableView>(form1, QStringLiteral("Grid1"));
    const QAbstractItemModel *model = grid ? grid->model() : nullptr;
    if (!model)
        return;
    const int columns = model->columnCount();
    for (int c = 0; c < columns; ++c)
        content.channelHeaders << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << model->index(r, c).data(Qt::DisplayRole).toString();
        content.channelRows << cells;
    }
}
} // namespace

ReportContent collectReport(const QWidget *root) {
    const QWidget *form3 = form(root, "Form3");
    ReportContent content;
    content.title = lang::pick("QUELT对讲机", "QUELT Interphone ") +
                    lang::pick("编程数据打印", "programming data are printed");
    content.sections << generalSection(form3) << vfoSection(form3) << voxSection(form3)
                     << calibrationSection(form(root, "Form4"));
    content.channelTitle = lang::pick("信道数据", "Channel data");
    collectGrid(form(root, "Form1"), content);
    return content;
}
