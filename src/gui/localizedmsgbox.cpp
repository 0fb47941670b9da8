#include "gui/localizedmsgbox.h"

#include "gui/language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {
msgbox::Hook &hook() {
    static msgbox::Hook h;
    return h;
}
QPointer<QWidget> &owner() {
    static QPointer<QWidget> w;
    return w;
}

QString buttonCaption(int id) {
    switch (id) {
    case msgbox::IdOk: return lang::pick("确定", "OK");
    case msgbox::IdCancel: return lang::pick("取消", "Cancel");
    case msgbox::IdAbort: return lang::pick("放弃", "Abort");
    case msgbox::IdRetry: return lang::pick("重试", "Retry");
    case msgbox::IdIgnore: return lang::pick("忽略", "Ignore");
    case msgbox::IdYes: return lang::pick("是", "Yes");
    case msgbox::IdNo: return lang::pick("否", "No");
    }
    return {};
}
} // namespace

QString msgbox::applicationTitle() { return QStringLiteral("ORLEX-K7"); }
void msgbox::setHook(Hook h) { hook() = std::move(h); }
void msgbox::setOwner(QWidget *w) { owner() = w; }

int LocalizedMsgBox(const QString &text, int style, const QString &title) {
    const QString shownTitle = title.isEmpty() ? msgbox::applicationTitle() : title;
    if (hook())
        return hook()(text, style, shownTitle);

    QWidget *parent = owner() ? owner()->window() : QApplication::activeWindow();
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("LocalizedMsgBox"));
    box.setWindowTitle(shownTitle);
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setWindowModality(Qt::ApplicationModal);

    const bool okCancel = style == msgbox::StyleQuestion;
    switch (style) {
    case msgbox::StyleStop: box.setIcon(QMessageBox::Critical); break;
    case msgbox::StyleExclamation: box.setIcon(QMessageBox::Warning); break;
    case msgbox::StyleQuestion: box.setIcon(QMessageBox::Question); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    QAbstractButton *ok = box.addButton(buttonCaption(msgbox::IdOk), QMessageBox::AcceptRole);
    ok->setObjectName(QStringLiteral("IdOk"));
    QAbstractButton *cancel = nullptr;
    if (okCancel) {
        cancel = box.addButton(buttonCaption(msgbox::IdCancel), QMessageBox::RejectRole);
        cancel->setObjectName(QStringLiteral("IdCancel"));
        box.setDefaultButton(static_cast<QPushButton *>(cancel));
        box.setEscapeButton(cancel);
    } else {
        box.setDefaultButton(static_cast<QPushButton *>(ok));
        box.setEscapeButton(ok);
    }
    box.exec();
    // Escape and the close box give the escape button, which is Cancel on an OK/Cancel box.
    return box.clickedButton() == ok ? msgbox::IdOk : msgbox::IdCancel;
}
