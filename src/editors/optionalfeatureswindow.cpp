#include "editors/optionalfeatureswindow.h"

#include "editors/optionalfeatureslineedit.h"
#include "editors/optionalfeaturesrules.h"
#include "gui/clock.h"
#include "gui/document.h"
#include "gui/language.h"
#include "image/bands.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {
// The hidden service gestures. Force-write mode: the captions "Beep", "KeyLock Mode" and "Open Display
// Mode" (left column). Calibration mode: "Squelch Level", "Backlight Mode" and "Dual Standby" (right
// column). Any order, all three within 5 seconds. Nothing on screen hints at them; keep it that way.
constexpr std::array<const char *, 3> ForceWriteLabels{"Label7", "Label33", "Label38"};
constexpr std::array<const char *, 3> CalibrationLabels{"Label5", "Label36", "Label10"};

const QString FallbackFreqA = QStringLiteral("136.00000");
const QString FallbackFreqB = QStringLiteral("400.00000");

bool isList(OptionKind kind) {
    return kind == OptionKind::List || kind == OptionKind::EditableList;
}

// Position of the entry whose text equals a typed text, -1 for none.
int entryPosition(const QComboBox *box, const QString &text) {
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i) == text)
            return i;
    return -1;
}

OptionalFeaturesLineEdit::KeyFilter keyFilter(OptionKind kind) {
    switch (kind) {
    case OptionKind::ChannelNumber:
        return optionrules::channelNumberKey;
    case OptionKind::Frequency:
    case OptionKind::Offset:
        return optionrules::frequencyKey;
    case OptionKind::Password:
        return optionrules::passwordKey;
    default:
        return optionrules::displayCharacterKey;
    }
}

bool enterLeaves(OptionKind kind) {
    return kind == OptionKind::ChannelNumber || kind == OptionKind::Frequency || kind == OptionKind::Offset;
}

QString withoutColon(QString caption) {
    while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QChar(0xFF1A)))
        caption.chop(1);
    return caption.trimmed();
}

// The name of an undo step: the caption of the changed setting, after its VFO group's caption.
ChangeText rowChangeText(const OptionRow &row) {
    const QString zh = withoutColon(row.caption.zh);
    const QString en = withoutColon(row.caption.en);
    if (!row.vfoChoice && !row.vfoText)
        return {zh, en};
    const bool a = row.side == 0;
    return {QString::fromUtf8(a ? "A组全频频率 - " : "B组全频频率 - ") + zh,
            QLatin1String(a ? "A Group VFO - " : "B Group VFO - ") + en};
}
} // namespace

OptionalFeaturesWindow::OptionalFeaturesWindow(Document &document, QWidget *parent)
    : QWidget(parent), m_document(document) {
    setObjectName(QStringLiteral("Form3"));
    buildUi();
    refresh();
    retranslate();
    m_functionPageButton->setChecked(true);
    showPage(false);
    m_forceWriteOn = m_document.forceWriteMode();
    m_calibrationOn = m_document.calibrationMode();

    connect(&Language::instance(), &Language::changed, this, &OptionalFeaturesWindow::retranslate);
    connect(&m_document, &Document::changed, this, [this](Document::Part part) {
        if (part & Document::General)
            refresh();
    });
    connect(&m_document, &Document::modesChanged, this, &OptionalFeaturesWindow::onModesChanged);
    connect(m_functionPageButton, &QRadioButton::clicked, this, [this] { showPage(false); });
    connect(m_vfoPageButton, &QRadioButton::clicked, this, [this] { showPage(true); });
}

QGroupBox *OptionalFeaturesWindow::frame(const char *name, const ListEntry &caption) {
    auto *box = new QGroupBox;
    box->setObjectName(QString::fromLatin1(name));
    m_captions.emplace_back(box, caption);
    return box;
}

void OptionalFeaturesWindow::buildUi() {
    auto gridIn = [](QGroupBox *box, const char *pictureName) {
        auto *picture = new QWidget;
        picture->setObjectName(QString::fromLatin1(pictureName));
        auto *outer = new QVBoxLayout(box);
        outer->addWidget(picture);
        auto *grid = new QGridLayout(picture);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setVerticalSpacing(4);
        return grid;
    };

    m_functionFrame = frame("Frame2", {"功能设置", "Function Set"});
    QGridLayout *function = gridIn(m_functionFrame, "Picture3");
    addRows(function, optionrows::functionLeft(), 0);
    addRows(function, optionrows::functionRight(), 3);
    function->setColumnMinimumWidth(2, 24);

    m_vfoFrames[0] = frame("Frame3", {"A组全频频率", "A Group VFO"});
    QGridLayout *vfoA = gridIn(m_vfoFrames[0], "Picture2");
    addRows(vfoA, optionrows::vfo(0), 0);
    addRows(vfoA, optionrows::vfoHidden(), 0, true);
    m_vfoFrames[1] = frame("Frame5", {"B组全频频率", "B Group VFO"});
    addRows(gridIn(m_vfoFrames[1], "Picture1"), optionrows::vfo(1), 0);

    QGroupBox *voxFrame = frame("Frame1", {"VOX(声控发射)", "VOX"});
    QGridLayout *vox = gridIn(voxFrame, "Picture4");
    addRows(vox, optionrows::vox(), 0);
    addRows(vox, optionrows::voxHidden(), 0, true);

    QGroupBox *selector = frame("Frame4", {"", ""});
    m_functionPageButton = new QRadioButton;
    m_functionPageButton->setObjectName(QStringLiteral("Option1"));
    m_captions.emplace_back(m_functionPageButton, ListEntry{"功能设置", "Function Set"});
    m_vfoPageButton = new QRadioButton;
    m_vfoPageButton->setObjectName(QStringLiteral("Option2"));
    m_captions.emplace_back(m_vfoPageButton, ListEntry{"全频频率", "VFO"});
    auto *selectorLayout = new QVBoxLayout(selector);
    selectorLayout->addWidget(m_functionPageButton);
    selectorLayout->addWidget(m_vfoPageButton);

    auto *leftArea = new QWidget;
    auto *left = new QGridLayout(leftArea);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(m_functionFrame, 0, 0, 1, 2, Qt::AlignTop);
    left->addWidget(m_vfoFrames[0], 0, 0, Qt::AlignTop);
    left->addWidget(m_vfoFrames[1], 0, 1, Qt::AlignTop);
    // Both pages share the same room, so switching pages moves nothing on the right.
    for (QWidget *page : {static_cast<QWidget *>(m_functionFrame), static_cast<QWidget *>(m_vfoFrames[0]),
                          static_cast<QWidget *>(m_vfoFrames[1])}) {
        QSizePolicy policy = page->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        page->setSizePolicy(policy);
    }

    auto *right = new QVBoxLayout;
    right->addWidget(voxFrame);
    right->addWidget(selector);
    right->addStretch();

    auto *root = new QHBoxLayout(this);
    root->addWidget(leftArea, 0, Qt::AlignTop);
    root->addLayout(right);
}

void OptionalFeaturesWindow::addRows(QGridLayout *grid, std::vector<OptionRow> rows, int column,
                                     bool hidden) {
    // The first column continues below what the grid holds already (hidden rows go last); the second starts
    // at the top beside the first.
    int gridRow = column == 0 && grid->count() > 0 ? grid->rowCount() : 0;
    for (OptionRow &row : rows) {
        const int index = int(m_bound.size());
        m_bound.push_back({std::move(row), nullptr, nullptr});
        QWidget *control = createControl(index);
        Bound &bound = m_bound.back();
        bound.control = control;
        if (bound.row.label) {
            auto *label = new QLabel;
            label->setObjectName(QString::fromLatin1(bound.row.label));
            bound.label = label;
            grid->addWidget(label, gridRow, column);
            grid->addWidget(control, gridRow, column + 1);
            label->setVisible(!hidden);
            for (std::size_t i = 0; i < 3; ++i) {
                if (qstrcmp(bound.row.label, ForceWriteLabels[i]) == 0)
                    m_forceWriteLabels[i] = label;
                else if (qstrcmp(bound.row.label, CalibrationLabels[i]) == 0)
                    m_calibrationLabels[i] = label;
                else
                    continue;
                label->installEventFilter(this);
            }
        } else {
            grid->addWidget(control, gridRow, column, 1, 2);
        }
        control->setVisible(!hidden);
        ++gridRow;
    }
}

QWidget *OptionalFeaturesWindow::createControl(int index) {
    const OptionRow &row = m_bound[std::size_t(index)].row;
    const QString name = QString::fromLatin1(row.control);
    if (isList(row.kind)) {
        auto *box = new QComboBox;
        box->setObjectName(name);
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents); // never cut an entry, in either language
        box->addItems(row.entries.texts(lang::index()));
        if (row.kind == OptionKind::EditableList) {
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setCompleter(nullptr);
            connect(box->lineEdit(), &QLineEdit::textChanged, this, [this, index, box](const QString &text) {
                storeChoice(m_bound[std::size_t(index)].row, entryPosition(box, text));
            });
        } else {
            connect(box, &QComboBox::currentIndexChanged, this,
                    [this, index](int position) { storeChoice(m_bound[std::size_t(index)].row, position); });
        }
        return box;
    }
    if (row.kind == OptionKind::Check) {
        auto *check = new QCheckBox;
        check->setObjectName(name);
        connect(check, &QCheckBox::toggled, this, [this, index](bool on) {
            const OptionRow &row = m_bound[std::size_t(index)].row;
            GeneralSettings general = m_document.config().general;
            bool &value = general.*(row.generalCheck);
            if (value == on)
                return;
            value = on;
            m_document.setGeneral(general, rowChangeText(row), mergeKeyOf(row));
        });
        return check;
    }
    auto *edit = new OptionalFeaturesLineEdit(keyFilter(row.kind), enterLeaves(row.kind));
    edit->setObjectName(name);
    if (row.maxLength > 0)
        edit->setMaxLength(row.maxLength);
    connect(edit, &QLineEdit::textChanged, this, [this, index, edit](const QString &text) {
        const OptionRow &row = m_bound[std::size_t(index)].row;
        if (row.kind == OptionKind::ChannelNumber) {
            const QString clamped = optionrules::channelNumberWhileTyping(text);
            if (clamped != text) {
                edit->setText(clamped); // comes back here with the clamped text
                return;
            }
        }
        storeText(row, text);
    });
    if (enterLeaves(row.kind))
        connect(edit, &OptionalFeaturesLineEdit::left, this, [this, index] { leaveField(index); });
    return edit;
}

int OptionalFeaturesWindow::mergeKeyOf(const OptionRow &row) const {
    // Each control is one row; its place in the list of rows is its key.
    const auto at =
        std::find_if(m_bound.begin(), m_bound.end(), [&](const Bound &b) { return &b.row == &row; });
    return Document::mergeKey(Document::OptionControlGroup, int(at - m_bound.begin()));
}

void OptionalFeaturesWindow::storeChoice(const OptionRow &row, int position) {
    if (choiceValue(row, m_document.config()) == position)
        return;
    if (row.generalChoice) {
        GeneralSettings general = m_document.config().general;
        general.*row.generalChoice = position;
        m_document.setGeneral(general, rowChangeText(row), mergeKeyOf(row));
        return;
    }
    VfoSettings vfo = row.side == 0 ? m_document.config().vfoA : m_document.config().vfoB;
    vfo.*row.vfoChoice = position;
    if (row.side == 0)
        m_document.setVfoA(vfo, rowChangeText(row), mergeKeyOf(row));
    else
        m_document.setVfoB(vfo, rowChangeText(row), mergeKeyOf(row));
}

void OptionalFeaturesWindow::storeText(const OptionRow &row, const QString &text) {
    if (textValue(row, m_document.config()) == text)
        return;
    if (row.generalText) {
        GeneralSettings general = m_document.config().general;
        general.*row.generalText = text;
        m_document.setGeneral(general, rowChangeText(row), mergeKeyOf(row));
        return;
    }
    VfoSettings vfo = row.side == 0 ? m_document.config().vfoA : m_document.config().vfoB;
    vfo.*row.vfoText = text;
    if (row.side == 0)
        m_document.setVfoA(vfo, rowChangeText(row), mergeKeyOf(row));
    else
        m_document.setVfoB(vfo, rowChangeText(row), mergeKeyOf(row));
}

void OptionalFeaturesWindow::refresh() {
    for (const Bound &bound : m_bound)
        refreshControl(bound);
}

void OptionalFeaturesWindow::refreshControl(const Bound &bound) {
    const OptionRow &row = bound.row;
    if (row.kind == OptionKind::Check) {
        auto *check = static_cast<QCheckBox *>(bound.control);
        const QSignalBlocker block(check);
        check->setChecked(m_document.config().general.*row.generalCheck);
        return;
    }
    if (!isList(row.kind)) {
        auto *edit = static_cast<QLineEdit *>(bound.control);
        const QString text = textValue(row, m_document.config());
        if (edit->text() != text) { // leaves the cursor alone in a box the user is typing in
            const QSignalBlocker block(edit);
            edit->setText(text);
        }
        return;
    }
    auto *box = static_cast<QComboBox *>(bound.control);
    const int position = choiceValue(row, m_document.config());
    const bool valid = position >= 0 && position < box->count();
    const QSignalBlocker block(box);
    if (row.kind == OptionKind::List) {
        if (box->currentIndex() != (valid ? position : -1))
            box->setCurrentIndex(valid ? position : -1);
        return;
    }
    QLineEdit *edit = box->lineEdit();
    const QSignalBlocker blockEdit(edit);
    if (valid) {
        if (box->currentIndex() != position)
            box->setCurrentIndex(position);
        if (edit->text() != box->itemText(position))
            edit->setText(box->itemText(position));
    } else if (entryPosition(box, edit->text()) >= 0) {
        // A typed text that matches no entry stays; an entry's text does not stand for "no entry".
        box->setCurrentIndex(-1);
        edit->clear();
    }
}

void OptionalFeaturesWindow::retranslate() {
    setWindowTitle(lang::pick("可选功能", "Optional Features"));
    for (const auto &[widget, texts] : m_captions) {
        if (auto *box = qobject_cast<QGroupBox *>(widget))
            box->setTitle(texts.text(lang::index()));
        else if (auto *button = qobject_cast<QRadioButton *>(widget))
            button->setText(texts.text(lang::index()));
    }
    for (const Bound &bound : m_bound) {
        const OptionRow &row = bound.row;
        if (bound.label)
            bound.label->setText(row.caption.text(lang::index()));
        if (row.kind == OptionKind::Check) {
            static_cast<QCheckBox *>(bound.control)->setText(row.caption.text(lang::index()));
        } else if (isList(row.kind)) {
            auto *box = static_cast<QComboBox *>(bound.control);
            QLineEdit *edit = box->lineEdit();
            const QString typed = edit ? edit->text() : QString();
            const QSignalBlocker block(box);
            const QSignalBlocker blockEdit(edit);
            for (int i = 0; i < box->count(); ++i)
                box->setItemText(i, row.entries.text(i, lang::index()));
            if (edit && edit->text() != typed) // renaming the chosen entry rewrote the text field
                edit->setText(typed);
            if (edit)
                refreshControl(bound); // an entry's text follows the language, a typed text stays
            // The list keeps no stale minimum width of the other language's entries.
            box->setMinimumWidth(box->sizeHint().width());
        }
    }
}

void OptionalFeaturesWindow::showPage(bool vfo) {
    m_functionFrame->setVisible(!vfo);
    m_vfoFrames[0]->setVisible(vfo);
    m_vfoFrames[1]->setVisible(vfo);
    if (vfo) {
        if (auto *freq = findChild<QLineEdit *>(QStringLiteral("Text20")))
            freq->setFocus(Qt::OtherFocusReason);
    }
}

void OptionalFeaturesWindow::leaveField(int index) {
    const OptionRow &row = m_bound[std::size_t(index)].row;
    auto *edit = static_cast<QLineEdit *>(m_bound[std::size_t(index)].control);
    QString checked;
    switch (row.kind) {
    case OptionKind::ChannelNumber:
        checked = optionrules::channelNumberOnLeave(edit->text());
        break;
    case OptionKind::Frequency:
        checked = optionrules::frequencyOnLeave(edit->text(), bandLimits(m_document.config().band),
                                                row.side == 0 ? FallbackFreqA : FallbackFreqB);
        break;
    case OptionKind::Offset:
        checked = optionrules::offsetOnLeave(edit->text());
        break;
    default:
        return;
    }
    if (checked != edit->text())
        edit->setText(checked);
}

void OptionalFeaturesWindow::commitOpenEdit() {
    auto *edit = qobject_cast<OptionalFeaturesLineEdit *>(QApplication::focusWidget());
    if (edit && isAncestorOf(edit))
        edit->runLeaveCheck();
}

bool OptionalFeaturesWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *label = qobject_cast<QLabel *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint()))
            onLabelClicked(label);
    }
    return QWidget::eventFilter(watched, event);
}

void OptionalFeaturesWindow::onLabelClicked(QLabel *label) {
    const int now = appclock::wholeSecondsSinceMidnight();
    const auto force = std::find(m_forceWriteLabels.begin(), m_forceWriteLabels.end(), label);
    if (force != m_forceWriteLabels.end()) {
        if (m_forceWriteGesture.click(int(force - m_forceWriteLabels.begin()), now) &&
            !m_document.forceWriteMode())
            m_document.setForceWriteMode(true);
        return;
    }
    const auto calibration = std::find(m_calibrationLabels.begin(), m_calibrationLabels.end(), label);
    if (calibration != m_calibrationLabels.end()) {
        if (m_calibrationGesture.click(int(calibration - m_calibrationLabels.begin()), now) &&
            !m_document.calibrationMode())
            m_document.setCalibrationMode(true);
    }
}

void OptionalFeaturesWindow::onModesChanged() {
    // Switching a mode off (its toolbar button) also forgets the progress of its gesture.
    if (m_forceWriteOn && !m_document.forceWriteMode())
        m_forceWriteGesture.clear();
    if (m_calibrationOn && !m_document.calibrationMode())
        m_calibrationGesture.clear();
    m_forceWriteOn = m_document.forceWriteMode();
    m_calibrationOn = m_document.calibrationMode();
}
