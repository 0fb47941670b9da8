#include "app/progresswindow.h"

#include "gui/language.h"
#include "gui/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>

ProgressWindow::ProgressWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("FrmWriting"));
    setModal(true);
    setFixedSize(twipsToPixels(3990), twipsToPixels(1635));

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setGeometry(twipsToPixels(135), twipsToPixels(90), twipsToPixels(3705), twipsToPixels(885));
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setGeometry(twipsToPixels(135), twipsToPixels(1080), twipsToPixels(3705), twipsToPixels(420));
    m_bar->setRange(Minimum, Maximum);
    m_bar->setTextVisible(false);
    m_bar->setValue(Minimum);

    retranslate();
    connect(&Language::instance(), &Language::changed, this, &ProgressWindow::retranslate);
}

void ProgressWindow::prepare(Kind kind) {
    m_kind = kind;
    m_bar->setValue(Minimum);
    m_finishing = false;
    retranslate();
}

void ProgressWindow::setValue(int step) {
    m_bar->setValue(step);
}

int ProgressWindow::value() const {
    return m_bar->value();
}

void ProgressWindow::finish() {
    m_finishing = true;
    done(QDialog::Accepted);
    hide();
    m_finishing = false;
}

void ProgressWindow::retranslate() {
    if (m_kind == Kind::Read) {
        setWindowTitle(lang::pick("正在读取……", "Reading……"));
        m_label->setText(lang::pick("正在读频，请稍候。", "Data is reading, please wait a moment."));
    } else {
        setWindowTitle(lang::pick("正在写入……", "Writing……"));
        m_label->setText(lang::pick("正在写频，请稍候。", "Data is writing, please wait a moment."));
    }
}

void ProgressWindow::closeEvent(QCloseEvent *event) {
    if (m_finishing) {
        event->accept();
        return;
    }
    event->ignore();
    emit closeRequested();
}

void ProgressWindow::reject() {
    // Escape: the same as the close box.
    if (m_finishing)
        QDialog::reject();
    else
        emit closeRequested();
}
