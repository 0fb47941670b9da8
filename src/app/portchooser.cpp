#include "app/portchooser.h"

#include "gui/language.h"
#include "gui/twips.h"
#include "link/portnumbering.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
// The window is 4890 x 2775 twips with its frame; the client area is what remains inside a fixed
// single frame and the caption.
constexpr int ClientWidthTwips = 4890 - 2 * 60;
constexpr int ClientHeightTwips = 2775 - 2 * 60 - 375;
constexpr int ColumnLeftTwips[5] = {240, 1080, 1920, 2880, 3720};
constexpr int RowTopTwips[4] = {240, 720, 1200, 1680};
constexpr int ButtonWidthTwips = 855;
constexpr int ButtonHeightTwips = 255;
} // namespace

PortChooser::PortChooser(QWidget *parent) : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form6"));
    // The same caption in both languages.
    setWindowTitle(QStringLiteral("ComPort"));
    setFixedSize(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
    // The buttons are only 855 twips wide: "Com20" fits beside the indicator in an 8 pt face with the
    // indicator close to its text.
    QFont face = font();
    face.setPointSize(8);
    setFont(face);
    setStyleSheet(QStringLiteral("QRadioButton { spacing: 3px; }"));

    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    for (int index = 0; index < ButtonCount; ++index) {
        auto *button = new QRadioButton(QStringLiteral("Com%1").arg(index + 1), this);
        button->setObjectName(QStringLiteral("Option1_%1").arg(index));
        button->setGeometry(twipsToPixels(ColumnLeftTwips[index % 5]), twipsToPixels(RowTopTwips[index / 5]),
                            twipsToPixels(ButtonWidthTwips), twipsToPixels(ButtonHeightTwips));
        m_group->addButton(button, index);
        if (!m_buttons.isEmpty())
            setTabOrder(m_buttons.last(), button);
        m_buttons.append(button);
    }
    // A button that becomes checked chooses its port, however it was chosen: the mouse, Space, the arrow
    // keys, or a screen reader's press or toggle (which emit no click).
    connect(m_group, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            emit portChosen(index + 1);
    });
    updateToolTips();
    connect(&Language::instance(), &Language::changed, this, &PortChooser::updateToolTips);
}

QRadioButton *PortChooser::button(int index) const {
    return index >= 0 && index < m_buttons.size() ? m_buttons.at(index) : nullptr;
}

void PortChooser::probe() {
    setPresence(ports::findPresent());
}

void PortChooser::setUsablePorts(const QList<int> &portNumbers) {
    QList<ports::PortPresence> found;
    for (int number = 1; number <= ButtonCount; ++number)
        found.append({portNumbers.contains(number), {}, {}, {}});
    setPresence(found);
}

void PortChooser::setPresence(const QList<ports::PortPresence> &found) {
    m_found = found;
    for (int index = 0; index < ButtonCount; ++index)
        m_buttons.at(index)->setEnabled(index < found.size() && found.at(index).present);
    updateToolTips();
}

void PortChooser::showFor(int portNumber) {
    probe();
    {
        // The selection follows the number, which is then reported once.
        const QSignalBlocker blocker(m_group);
        select(portNumber);
    }
    if (portNumber >= ports::FirstPort && portNumber <= ButtonCount)
        emit portChosen(portNumber);
    show();
    raise();
    activateWindow();
}

void PortChooser::select(int portNumber) {
    if (portNumber >= ports::FirstPort && portNumber <= ButtonCount) {
        m_buttons.at(portNumber - 1)->setChecked(true);
        return;
    }
    // No button: an exclusive group keeps one checked, so release it for the moment.
    m_group->setExclusive(false);
    for (QRadioButton *button : std::as_const(m_buttons))
        button->setChecked(false);
    m_group->setExclusive(true);
}

void PortChooser::updateToolTips() {
    // Where ports are device paths, each button says which device its number stands for, and what the
    // system knows of the adapter behind it.
    for (int index = 0; index < ButtonCount; ++index) {
        const QString path = ports::devicePath(index + 1);
        const QString com = QStringLiteral("COM%1").arg(index + 1);
        QStringList lines;
        if (path != com)
            lines << path;
        if (index < m_found.size()) {
            const ports::PortPresence &p = m_found.at(index);
            if (!p.manufacturer.isEmpty())
                lines << lang::pick("制造商：", "Manufacturer: ") + p.manufacturer;
            if (!p.product.isEmpty())
                lines << lang::pick("产品：", "Product: ") + p.product;
            if (!p.serialNumber.isEmpty())
                lines << lang::pick("序列号：", "Serial number: ") + p.serialNumber;
        }
        m_buttons.at(index)->setToolTip(lines.join(QLatin1Char('\n')));
    }
}

void PortChooser::closeEvent(QCloseEvent *event) {
    event->ignore();
    hide();
}
