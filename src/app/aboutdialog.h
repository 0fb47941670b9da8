#pragma once
// The About window: program name and edition in the current language; a click on the window closes it.

#include <QDialog>

class QLabel;
class RadioPicture;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // `icon` is the channel editor's icon, which this window shows too.
    explicit AboutDialog(const QIcon &icon, QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void retranslate();

    QLabel *m_title;
    QLabel *m_version;
    QLabel *m_copyright;
    RadioPicture *m_picture;
};
