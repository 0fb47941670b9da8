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

QString buttonCaption(int id, int style) {
    if (style == msgbox::StyleSaveChanges) {
        if (id == msgbox::IdSave)
            return lang::pick("保存", "Save");
        if (id == msgbox::IdDiscard)
            return lang::pick("不保存", "Discard");
    } else if (style == msgbox::StyleApplyChanges) {
        if (id == msgbox::IdApply)
            return lang::pick("应用", "Apply");
        if (id == msgbox::IdDiscard)
            return lang::pick("放弃", "Discard");
    }
    switch (id) {
    case msgbox::IdOk:
        return lang::pick("确定", "OK");
    case msgbox::IdCancel:
        return lang::pick("取消", "Cancel");
    case msgbox::IdAbort:
        return lang::pick("放弃", "Abort");
    case msgbox::IdRetry:
        return lang::pick("重试", "Retry");
    case msgbox::IdIgnore:
        return lang::pick("忽略", "Ignore");
    case msgbox::IdYes:
        return lang::pick("是", "Yes");
    case msgbox::IdNo:
        return lang::pick("否", "No");
    }
    return {};
}
} // namespace

QString msgbox::applicationTitle() {
    return QStringLiteral("ORLEX-K7");
}
void msgbox::setHook(Hook h) {
    hook() = std::move(h);
}
void msgbox::setOwner(QWidget *w) {
    owner() = w;
}

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

    const bool threeButtons = style == msgbox::StyleSaveChanges || style == msgbox::StyleApplyChanges;
    const bool okCancel = style == msgbox::StyleQuestion;
    switch (style) {
    case msgbox::StyleStop:
        box.setIcon(QMessageBox::Critical);
        break;
    case msgbox::StyleExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case msgbox::StyleQuestion:
    case msgbox::StyleSaveChanges:
    case msgbox::StyleApplyChanges:
        box.setIcon(QMessageBox::Question);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (threeButtons) {
        QAbstractButton *yes = box.addButton(buttonCaption(msgbox::IdYes, style), QMessageBox::AcceptRole);
        yes->setObjectName(QStringLiteral("IdYes"));
        QAbstractButton *no = box.addButton(buttonCaption(msgbox::IdNo, style), QMessageBox::DestructiveRole);
        no->setObjectName(QStringLiteral("IdNo"));
        QAbstractButton *cancel =
            box.addButton(buttonCaption(msgbox::IdCancel, style), QMessageBox::RejectRole);
        cancel->setObjectName(QStringLiteral("IdCancel"));
        box.setDefaultButton(static_cast<QPushButton *>(yes));
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == yes)
            return msgbox::IdYes;
        return box.clickedButton() == no ? msgbox::IdNo : msgbox::IdCancel;
    }
    QAbstractButton *ok = box.addButton(buttonCaption(msgbox::IdOk, style), QMessageBox::AcceptRole);
    ok->setObjectName(QStringLiteral("IdOk"));
    QAbstractButton *cancel = nullptr;
    if (okCancel) {
        cancel = box.addButton(buttonCaption(msgbox::IdCancel, style), QMessageBox::RejectRole);
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
