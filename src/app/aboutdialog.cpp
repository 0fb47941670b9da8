#include "app/aboutdialog.h"

#include "app/radiopicture.h"
#include "gui/language.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>

AboutDialog::AboutDialog(const QIcon &icon, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAbout"));
    setModal(true);
    setWindowIcon(icon);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_picture = new RadioPicture(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("lblVersion"));
    m_copyright = new QLabel(QStringLiteral("Copyright (C) 2024 Zolvarex. All rights reserved."), this);
    m_copyright->setObjectName(QStringLiteral("lblCopyR"));

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setHorizontalSpacing(18);
    layout->addWidget(m_picture, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(m_title, 0, 1);
    layout->addWidget(m_version, 1, 1);
    layout->addWidget(m_copyright, 2, 1, Qt::AlignBottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    retranslate();
    connect(&Language::instance(), &Language::changed, this, &AboutDialog::retranslate);
}

void AboutDialog::retranslate() {
    setWindowTitle(lang::pick("帮助", "Help"));
    m_title->setText(lang::pick("ORLEX-K7 对讲机编程软件", "ORLEX-K7 Radio Programming Software"));
    m_version->setText(lang::pick("简体中文版 V1.20", "English edition V1.20"));
}

void AboutDialog::mousePressEvent(QMouseEvent *event) {
    // Only the window's background closes it; clicks on the labels and the picture reach here too.
    if (!childAt(event->position().toPoint()))
        accept();
    else
        QDialog::mousePressEvent(event);
}
