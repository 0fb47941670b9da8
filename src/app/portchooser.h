#pragma once
// The port chooser Form6 "ComPort": twenty option buttons Com1..Com20, enabled for the ports that are there.
// The ports are looked for without opening any (opening sets a port's control lines, which may key a
// transmitter on another interface), at start-up and again every time the chooser is shown, so a cable
// plugged in later appears. Each button's tool tip names its device and, when known, the adapter. Checking
// a button chooses its port at once; the port is opened only by the next read or write. The close box only
// hides the window, so it keeps its selection.

#include "link/portdiscovery.h"

#include <QList>
#include <QWidget>

class QButtonGroup;
class QRadioButton;

class PortChooser : public QWidget {
    Q_OBJECT
public:
    static constexpr int ButtonCount = 20;

    explicit PortChooser(QWidget *parent = nullptr);

    // FindCom: enables the buttons of the ports that are there now, disables the others.
    void probe();
    // Enables exactly the buttons of the given port numbers (1..20).
    void setUsablePorts(const QList<int> &portNumbers);
    // What is known of ports 1..20 (index 0 is port 1): presence and adapter.
    void setPresence(const QList<ports::PortPresence> &found);
    // Shows the chooser in front with the button of `portNumber` selected (no button outside 1..20); a
    // selected button reports its number again, as a click would.
    void showFor(int portNumber);

    // Option1(index), index 0..19 for Com1..Com20.
    QRadioButton *button(int index) const;

signals:
    void portChosen(int portNumber);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void select(int portNumber);
    void updateToolTips();

    QButtonGroup *m_group = nullptr;
    QList<QRadioButton *> m_buttons;
    QList<ports::PortPresence> m_found;
};
