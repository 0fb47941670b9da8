#include "app/mainwindow.h"

#include "app/aboutdialog.h"
#include "app/bandcombobox.h"
#include "app/comparewindow.h"
#include "app/csvimportdialog.h"
#include "app/filedialogs.h"
#include "app/hidingsubwindow.h"
#include "app/portchooser.h"
#include "app/printpreviewdialog.h"
#include "app/radiolinkcontroller.h"
#include "editors/calibrationwindow.h"
#include "editors/channeleditorwindow.h"
#include "editors/dtmfwindow.h"
#include "editors/fmradiowindow.h"
#include "editors/optionalfeatureswindow.h"
#include "files/backups.h"
#include "files/datfile.h"
#include "files/inputfile.h"
#include "files/recentfiles.h"
#include "files/savefile.h"
#include "files/settingsstore.h"
#include "gui/clock.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/localizedmsgbox.h"
#include "gui/twips.h"
#include "image/bands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QSessionManager>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
struct Caption {
    const char *name;
    const char *chinese;
    const char *english;
};

// Menus and menu commands by control name.
constexpr Caption MenuCaptions[] = {
    {"MNFile", "文件(&F)", "File(&F)"},
    {"MNNew", "新建(&N)", "New(&N)"},
    {"MNOpen", "打开(&O)", "Open(&O)"},
    {"MNSave", "保存(&S)", "Save(&S)"},
    {"MNPrint", "打印(&P)", "Print(&P)"},
    {"MNQuit", "退出(&Q)", "Quit(&Q)"},
    {"MNImportCsv", "导入CSV(&I)…", "Import CSV(&I)…"},
    {"MNExportCsv", "导出CSV(&X)…", "Export CSV(&X)…"},
    {"MNEdit", "编辑(&E)", "Edit(&E)"},
    {"MNModel", "信道编辑(&M)", "Channel Edit(&M)"},
    {"MNDTMF", "DTMF信令(&D)", "DTMF(&D)"},
    {"MNOption", "可选功能(&P)", "Optional Features(&P)"},
    {"MNDebug", "调试信息(&B)", "Debug Information(&B)"},
    {"MNFMset", "收音机频道设置", "FM Channel Set"},
    {"MNProgram", "编程(&G)", "Programming(&G)"},
    {"MNRead", "读频(&R)", "Read Data from the Transceive(&R)"},
    {"MNWrite", "写频(&W)", "Write Data in the Transceive(&W)"},
    {"MNCommPort", "通信端口(&C)", "Communication Port(&C)"},
    {"MNLanguage", "语言选择(&L)", "Language Select(&L)"},
    {"MNChinese", "中文(&C)", "Chinese(&C)"},
    {"MNEnglish", "英文(&E)", "English(&E)"},
    {"MNHelp", "帮助(&H)", "Help(&H)"},
    {"MNF1", "帮助主题(F1)", "Help Theme(F1)"},
    {"MNAbout", "帮助(&H)", "About(&H)"},
    // Appended to the menus above.
    {"MNOpenBackup", "打开备份(&B)…", "Open Backup(&B)…"},
    {"MNCompare", "与对讲机比较(&C)", "Compare with Radio(&C)"},
    {"MNVerify", "写频后校验(&V)", "Verify After Writing(&V)"},
};

// Tool tips of the toolbar buttons by key; the hidden-mode buttons have none.
constexpr Caption ToolTips[] = {
    {"TNew", "新建", "New"},
    {"TOpen", "打开", "Open"},
    {"TSave", "保存", "Save"},
    {"TRead", "读频", "Read Data from the Transceive"},
    {"TWrite", "写频", "Write Data in the Transceive"},
};

constexpr int PanelWidthsTwips[4] = {1764, 6174, 2540, 2540};

ChangeText bandChangeText() {
    return {"频段", "Range"};
}

// The user's choice of language is stored the moment it is made (and again at the end), so a crash does not
// lose it.
void chooseLanguage(int index) {
    Language::instance().setIndex(index);
    settings::writeLanguage(index);
}

// The first local .dat file among dropped URLs; "" for none.
QString droppedDatFile(const QMimeData *mime) {
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl &url : mime->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive))
            return path;
    }
    return {};
}
} // namespace

MainWindow::MainWindow(Document &document, const QString &portFilePath, QWidget *parent)
    : QMainWindow(parent), m_document(document), m_portFilePath(portFilePath) {
    setObjectName(QStringLiteral("MDIForm1"));
    resize(1024, 720);

    createMenus();
    createCsvCommands();
    createStrip();
    m_mdiArea = new QMdiArea;
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    auto *client = new QWidget;
    auto *clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    clientLayout->addWidget(findChild<QWidget *>(QStringLiteral("Picture1")));
    clientLayout->addWidget(m_mdiArea, 1);
    setCentralWidget(client);
    createStatusBar();
    createEditors();

    retranslate();
    connect(&Language::instance(), &Language::changed, this, &MainWindow::retranslate);
    connect(&m_document, &Document::changed, this, [this](Document::Part part) { onDocumentChanged(part); });
    connect(&m_document, &Document::modifiedChanged, this, &MainWindow::updateTitle);
    connect(&m_document, &Document::filePathChanged, this, &MainWindow::updateTitle);
    connect(&m_document, &Document::historyChanged, this, &MainWindow::updateUndoActions);
    // Moving to another field ends a run of merged changes (the letters typed into one box).
    connect(qApp, &QApplication::focusChanged, &m_document,
            [document = &m_document] { document->sealChange(); });
    setAcceptDrops(true);
    connect(&m_document, &Document::modesChanged, this, &MainWindow::onModesChanged);
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &MainWindow::onCommitDataRequest);

    // The first band, taken without a question.
    m_previousBand = 0;
    m_bandList->setCurrentIndex(0);
    onBandChanged(0);
    showEditor(m_channelFrame);
    m_portNumber = settings::readPortNumber(m_portFilePath);
    // The program's start runs the port probe (probePorts) once the window is loaded.
    setPortNumber(m_portNumber);
    onModesChanged();
}

MainWindow::~MainWindow() {
    msgbox::setOwner(nullptr);
}

QAction *MainWindow::addCommand(QMenu *menu, const char *name, const QKeySequence &shortcut) {
    QAction *action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

void MainWindow::createMenus() {
    QMenuBar *bar = menuBar();
    auto menu = [&](const char *name) {
        QMenu *m = bar->addMenu(QString());
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    QMenu *file = menu("MNFile");
    connect(addCommand(file, "MNNew", QKeySequence(Qt::CTRL | Qt::Key_N)), &QAction::triggered, this,
            &MainWindow::newFile);
    connect(addCommand(file, "MNOpen", QKeySequence(Qt::CTRL | Qt::Key_O)), &QAction::triggered, this,
            &MainWindow::openFile);
    connect(addCommand(file, "MNSave", QKeySequence(Qt::CTRL | Qt::Key_S)), &QAction::triggered, this,
            &MainWindow::saveFile);
    connect(addCommand(file, "MNPrint"), &QAction::triggered, this, &MainWindow::printReport);
    file->addSeparator()->setObjectName(QStringLiteral("MNLine1"));
    connect(addCommand(file, "MNQuit"), &QAction::triggered, this, &MainWindow::close);
    file->addSeparator()->setObjectName(QStringLiteral("MNLine4"));
    connect(addCommand(file, "MNOpenBackup"), &QAction::triggered, this, &MainWindow::openBackup);
    // The files used last, after every other entry.
    m_recentSeparator = file->addSeparator();
    m_recentSeparator->setObjectName(QStringLiteral("MNLine3"));
    for (int i = 0; i < recent::MaxFiles; ++i) {
        QAction *entry = addCommand(file, QStringLiteral("MNRecent%1").arg(i + 1).toLatin1().constData());
        connect(entry, &QAction::triggered, this, [this, entry] { openFileNamed(entry->data().toString()); });
        m_recentActions << entry;
    }

    QMenu *edit = menu("MNEdit");
    connect(addCommand(edit, "MNModel", QKeySequence(Qt::CTRL | Qt::Key_M)), &QAction::triggered, this,
            &MainWindow::showChannelEditor);
    QAction *dtmf = addCommand(edit, "MNDTMF", QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(dtmf, &QAction::triggered, this, &MainWindow::showDtmfWindow);
    // The DTMF values are stored nowhere, so the command stays off.
    dtmf->setEnabled(false);
    connect(addCommand(edit, "MNOption", QKeySequence(Qt::CTRL | Qt::Key_P)), &QAction::triggered, this,
            &MainWindow::showOptionalFeatures);
    connect(addCommand(edit, "MNDebug", QKeySequence(Qt::CTRL | Qt::Key_B)), &QAction::triggered, this,
            &MainWindow::showCalibration);
    connect(addCommand(edit, "MNFMset", QKeySequence(Qt::CTRL | Qt::Key_F)), &QAction::triggered, this,
            &MainWindow::showFmRadio);
    edit->addSeparator()->setObjectName(QStringLiteral("MNLine2"));
    m_undoAction = addCommand(edit, "MNUndo", QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(m_undoAction, &QAction::triggered, this, &MainWindow::undo);
    m_redoAction = addCommand(edit, "MNRedo");
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_redoAction, &QAction::triggered, this, &MainWindow::redo);

    QMenu *program = menu("MNProgram");
    connect(addCommand(program, "MNRead", QKeySequence(Qt::CTRL | Qt::Key_R)), &QAction::triggered, this,
            &MainWindow::readRadio);
    connect(addCommand(program, "MNWrite", QKeySequence(Qt::CTRL | Qt::Key_W)), &QAction::triggered, this,
            &MainWindow::writeRadio);
    connect(addCommand(program, "MNCompare"), &QAction::triggered, this, &MainWindow::compareWithRadio);
    QAction *verify = addCommand(program, "MNVerify");
    verify->setCheckable(true);

    QAction *commPort = bar->addAction(QString());
    commPort->setObjectName(QStringLiteral("MNCommPort"));
    connect(commPort, &QAction::triggered, this, &MainWindow::showPortChooser);

    QMenu *language = menu("MNLanguage");
    connect(addCommand(language, "MNChinese"), &QAction::triggered, this, [] { chooseLanguage(0); });
    connect(addCommand(language, "MNEnglish"), &QAction::triggered, this, [] { chooseLanguage(1); });

    QMenu *help = menu("MNHelp");
    // No help file ships with the program.
    addCommand(help, "MNF1", QKeySequence(Qt::Key_F1))->setEnabled(false);
    connect(addCommand(help, "MNAbout", QKeySequence(Qt::CTRL | Qt::Key_A)), &QAction::triggered, this,
            &MainWindow::showAbout);
}

// Appended after the File menu's own entries.
void MainWindow::createCsvCommands() {
    QMenu *file = menuBar()->findChild<QMenu *>(QStringLiteral("MNFile"));
    file->addSeparator()->setObjectName(QStringLiteral("MNLineCsv"));
    connect(addCommand(file, "MNImportCsv"), &QAction::triggered, this, &MainWindow::importCsv);
    connect(addCommand(file, "MNExportCsv"), &QAction::triggered, this, &MainWindow::exportCsv);
}

void MainWindow::createStrip() {
    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Picture1"));
    auto *layout = new QHBoxLayout(strip);
    layout->setContentsMargins(2, 2, 2, 2);

    m_toolbar = new QToolBar(strip);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setIconSize(QSize(24, 24));
    auto button = [this](const char *key, QStyle::StandardPixmap icon) {
        QAction *action = m_toolbar->addAction(style()->standardIcon(icon), QString());
        action->setObjectName(QString::fromLatin1(key));
        return action;
    };
    connect(button("TNew", QStyle::SP_FileIcon), &QAction::triggered, this, &MainWindow::newFile);
    connect(button("TOpen", QStyle::SP_DialogOpenButton), &QAction::triggered, this, &MainWindow::openFile);
    connect(button("TSave", QStyle::SP_DialogSaveButton), &QAction::triggered, this, &MainWindow::saveFile);
    m_toolbar->addSeparator();
    connect(button("TRead", QStyle::SP_ArrowDown), &QAction::triggered, this, &MainWindow::readRadio);
    connect(button("TWrite", QStyle::SP_ArrowUp), &QAction::triggered, this, &MainWindow::writeRadio);
    connect(button("TAnMa", QStyle::SP_MessageBoxWarning), &QAction::triggered, this,
            [this] { hiddenModeClick(m_lastForceWriteClick, true); });
    connect(button("TDebug", QStyle::SP_BrowserReload), &QAction::triggered, this,
            [this] { hiddenModeClick(m_lastCalibrationClick, false); });
    layout->addWidget(m_toolbar);

    m_bandLabel = new QLabel(strip);
    m_bandLabel->setObjectName(QStringLiteral("Label1"));
    layout->addSpacing(12);
    layout->addWidget(m_bandLabel);
    m_bandList = new BandComboBox(strip);
    m_bandList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layout->addWidget(m_bandList);
    layout->addStretch(1);

    connect(m_bandList, &BandComboBox::popupOpening, this, [this] {
        m_previousBand = m_bandList->currentIndex();
        m_bandArmed = true;
    });
    connect(m_bandList, &QComboBox::currentIndexChanged, this, &MainWindow::onBandChanged);
    // Choosing the entry that is already selected changes nothing, but still ends the pending question.
    connect(m_bandList, &QComboBox::activated, this, [this](int position) {
        if (position == m_previousBand)
            m_bandArmed = false;
    });
}

void MainWindow::createStatusBar() {
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedWidth(twipsToPixels(PanelWidthsTwips[i]));
        panel->setContentsMargins(4, 0, 4, 0);
        bar->addWidget(panel);
        m_panels[i] = panel;
    }
    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("ClockTimer"));
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::updateClockPanels);
    m_clockTimer->start(1000);
    updateClockPanels();
}

void MainWindow::createEditors() {
    auto frame = [this](QWidget *editor) {
        auto *f = new HidingSubWindow(editor);
        m_mdiArea->addSubWindow(f);
        f->fitEditor();
        f->hide();
        return f;
    };
    m_channelEditor = new ChannelEditorWindow(m_document);
    m_channelFrame = frame(m_channelEditor);
    msgbox::setOwner(m_channelEditor);
    m_dtmfWindow = new DtmfWindow(m_document);
    m_dtmfFrame = frame(m_dtmfWindow);
    m_optionalFeatures = new OptionalFeaturesWindow(m_document);
    m_optionalFeaturesFrame = frame(m_optionalFeatures);
    m_calibrationWindow = new CalibrationWindow(m_document);
    m_calibrationFrame = frame(m_calibrationWindow);
    m_fmRadioWindow = new FmRadioWindow(m_document);
    m_fmRadioFrame = frame(m_fmRadioWindow);

    m_portChooser = new PortChooser(this);
    m_portChooser->hide();
    connect(m_portChooser, &PortChooser::portChosen, this, &MainWindow::choosePort);
    RadioLinkController::Host host;
    host.portNumber = [this] { return m_portNumber; };
    host.disarmBandList = [this] { disarmBandList(); };
    host.commitOpenEdits = [this] { commitOpenEdits(); };
    // A read replaces the configuration; a write sends what the FM window's OK has stored.
    host.mayStart = [this](bool reading) { return reading ? maySaveOrDiscard() : mayLeaveFmEdits(); };
    host.setCommandsEnabled = [this](bool enabled) { setTransferCommandsEnabled(enabled); };
    m_link = new RadioLinkController(m_document, host, this, this);

    // Verify After Writing is kept in the settings as soon as it is switched.
    QAction *verify = findChild<QAction *>(QStringLiteral("MNVerify"));
    verify->setChecked(settings::readVerifyAfterWriting());
    m_link->setVerifyAfterWriting(verify->isChecked());
    connect(verify, &QAction::toggled, this, [this](bool on) {
        m_link->setVerifyAfterWriting(on);
        settings::writeVerifyAfterWriting(on);
    });
    m_compare = new CompareWindow(this);
    m_compare->hide();
    connect(m_link, &RadioLinkController::differencesFound, this,
            [this](RadioLinkController::Check check, const radiocompare::Result &result) {
                m_compare->setResult(check, result);
                m_compare->show();
                m_compare->raise();
            });
}

void MainWindow::retranslate() {
    updateTitle();
    m_panels[1]->setText(lang::pick("Zolvarex", ""));
    for (const Caption &c : MenuCaptions) {
        const QString name = QString::fromLatin1(c.name);
        const QString text = lang::pick(c.chinese, c.english);
        if (auto *menu = menuBar()->findChild<QMenu *>(name))
            menu->setTitle(text);
        else if (auto *action = findChild<QAction *>(name))
            action->setText(text);
    }
    m_bandLabel->setText(lang::pick("频段:", "Range:"));
    for (const Caption &c : ToolTips)
        m_toolbar->findChild<QAction *>(QString::fromLatin1(c.name))
            ->setToolTip(lang::pick(c.chinese, c.english));
    updateUndoActions();
    updateRecentFiles();
}

void MainWindow::updateTitle() {
    // The program's title, then the open file's name, and a star while the document holds unsaved changes.
    QString title = lang::pick("ORLEX-K7 对讲机编程软件V1.20", "ORLEX-K7 Radio Programming Software V1.20");
    if (!m_document.filePath().isEmpty())
        title += QStringLiteral(" - ") + QFileInfo(m_document.filePath()).fileName();
    if (m_document.isModified())
        title += QLatin1Char('*');
    setWindowTitle(title);
}

void MainWindow::updateUndoActions() {
    // "Undo Channel 5 RXFreq" / "撤销 频道5 接收频率": the step's name in the language of the moment.
    auto caption = [](const char *zh, const char *en, const ChangeText &step) {
        const QString verb = lang::pick(zh, en);
        return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step.pick();
    };
    m_undoAction->setText(caption("撤销", "Undo", m_document.undoText()));
    m_undoAction->setEnabled(m_document.canUndo());
    m_redoAction->setText(caption("重做", "Redo", m_document.redoText()));
    m_redoAction->setEnabled(m_document.canRedo());
}

void MainWindow::updateRecentFiles() {
    const QStringList files = recent::files();
    for (int i = 0; i < int(m_recentActions.size()); ++i) {
        QAction *entry = m_recentActions[i];
        const bool used = i < files.size();
        entry->setVisible(used);
        if (!used)
            continue;
        // "&1 name.dat"; the menu's status tip and tool tip carry the whole path.
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        entry->setData(files[i]);
        entry->setToolTip(QDir::toNativeSeparators(files[i]));
        entry->setStatusTip(QDir::toNativeSeparators(files[i]));
    }
    m_recentSeparator->setVisible(!files.isEmpty());
}

void MainWindow::rememberFile(const QString &path) {
    recent::setFiles(recent::withFirst(recent::files(), path));
    recent::setFolder(QFileInfo(path).absolutePath());
    updateRecentFiles();
}

QString MainWindow::dialogFolder() const {
    // The folder used last; at first the user's documents, never the program's own folder.
    const QString last = recent::folder();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void MainWindow::updateClockPanels() {
    const QDateTime now = QDateTime::currentDateTime();
    m_panels[2]->setText(now.date().toString(QStringLiteral("yyyy-MM-dd")));
    m_panels[3]->setText(now.time().toString(QStringLiteral("HH:mm:ss")));
}

void MainWindow::setPortNumber(int portNumber) {
    m_portNumber = portNumber;
    m_panels[0]->setText(QStringLiteral("COM: %1").arg(portNumber));
}

void MainWindow::choosePort(int portNumber) {
    setPortNumber(portNumber);
    // Stored the moment the user chooses it (and again at the end), so a crash does not lose it.
    settings::writePortNumber(m_portFilePath, m_portNumber);
}

void MainWindow::disarmBandList() {
    m_bandArmed = false;
}

void MainWindow::setTransferCommandsEnabled(bool enabled) {
    for (const char *name : {"MNRead", "MNWrite", "TRead", "TWrite", "MNCompare"})
        findChild<QAction *>(QString::fromLatin1(name))->setEnabled(enabled);
}

void MainWindow::onBandChanged(int position) {
    if (m_syncingBand || position < 0 || position >= BandCount)
        return;
    if (m_bandArmed && position != m_previousBand) {
        const int answer = LocalizedMsgBox(lang::pick("改变频段将清除频道列表，确定吗？",
                                                      "Changing the frequency band will remove the channel "
                                                      "tabulation, confirm?"),
                                           msgbox::StyleQuestion, lang::pick("注意！", "Be careful!"));
        if (answer != msgbox::IdOk) {
            // Back to the band the list had, without a second question.
            m_bandArmed = false;
            m_bandList->setCurrentIndex(m_previousBand);
            return;
        }
        // The new band and the emptied channel table are one step: Undo brings both back.
        m_bandArmed = false;
        RadioConfig after = m_document.config();
        after.band = position;
        after.channels.fill(Channel{});
        m_document.apply(bandChangeText(), after);
        return;
    }
    m_bandArmed = false;
    if (m_document.config().band != position)
        m_document.setBand(position, bandChangeText());
}

void MainWindow::onDocumentChanged(int part) {
    if (!(part & Document::Band))
        return;
    const int band = m_document.config().band;
    if (band < 0 || band >= BandCount || band == m_bandList->currentIndex())
        return;
    // A band taken from a file or the radio is selected without the question.
    m_syncingBand = true;
    m_bandList->setCurrentIndex(band);
    m_syncingBand = false;
}

void MainWindow::onModesChanged() {
    m_toolbar->findChild<QAction *>(QStringLiteral("TAnMa"))->setVisible(m_document.forceWriteMode());
    m_toolbar->findChild<QAction *>(QStringLiteral("TDebug"))->setVisible(m_document.calibrationMode());
}

void MainWindow::hiddenModeClick(int &lastClick, bool forceWrite) {
    if (lastClick == 0) {
        lastClick = appclock::wholeSecondsSinceMidnight();
        return;
    }
    if (appclock::secondsSinceMidnight() - lastClick >= 1.0) {
        // Too slow: this click starts a new pair.
        lastClick = appclock::wholeSecondsSinceMidnight();
        return;
    }
    lastClick = 0;
    // The windows that keep gesture progress or enable controls by mode follow modesChanged.
    if (forceWrite)
        m_document.setForceWriteMode(false);
    else
        m_document.setCalibrationMode(false);
}

void MainWindow::showEditor(HidingSubWindow *frame) {
    frame->widget()->show();
    frame->show();
    frame->raise();
    m_mdiArea->setActiveSubWindow(frame);
}

void MainWindow::showChannelEditor() {
    showEditor(m_channelFrame);
}
void MainWindow::showDtmfWindow() {
    showEditor(m_dtmfFrame);
}
void MainWindow::showOptionalFeatures() {
    showEditor(m_optionalFeaturesFrame);
}
void MainWindow::showCalibration() {
    showEditor(m_calibrationFrame);
}
void MainWindow::showFmRadio() {
    showEditor(m_fmRadioFrame);
}

void MainWindow::newFile() {
    if (m_document.isModified()) {
        // The save question takes the place of New's own question.
        if (!maySaveOrDiscard())
            return;
    } else {
        const int answer =
            LocalizedMsgBox(lang::pick("未保存的数据将会丢失，确定吗？", "Unsaved data will be lost, sure?"),
                            msgbox::StyleQuestion, lang::pick("注意", "Attention"));
        if (answer != msgbox::IdOk)
            return;
    }
    // The band stays as it is: New touches only the channel table and the DTMF window, in one undo step.
    disarmBandList();
    m_channelEditor->cancelOpenEdit();
    RadioConfig after = m_document.config();
    after.channels.fill(Channel{});
    after.dtmf = DtmfWindow::startValues(after.dtmf);
    m_document.replace({"新建", "New"}, after, QString(), false);
}

void MainWindow::openFile() {
    if (!maySaveOrDiscard())
        return;
    disarmBandList();
    const QString path = filedialog::openPath(this, dialogFolder());
    if (path.isEmpty())
        return;
    recent::setFolder(QFileInfo(path).absolutePath());
    openDataFile(path);
}

void MainWindow::openFileNamed(const QString &path) {
    if (!maySaveOrDiscard())
        return;
    disarmBandList();
    const datfile::ReadError error = openDataFile(path);
    if (error == datfile::ReadError::CannotOpen || error == datfile::ReadError::NotRegular) {
        // Gone or replaced by something else: the list forgets it (Open reports nothing either).
        recent::setFiles(recent::without(recent::files(), path));
        updateRecentFiles();
    }
}

datfile::ReadError MainWindow::openDataFile(const QString &path) {
    const datfile::ReadResult result = datfile::read(path);
    if (result.error == datfile::ReadError::WrongType) {
        LocalizedMsgBox(lang::pick("文件类型不正确！", "File type is incorrect!"), msgbox::StyleStop,
                        lang::pick("错误", "Mistake"));
        return result.error;
    }
    if (result.error != datfile::ReadError::None)
        return result.error;
    m_document.readImage() = result.image;
    const QFileInfo file(path);
    m_document.decodeReadImage(
        {QStringLiteral("打开 ") + file.fileName(), QStringLiteral("Open ") + file.fileName()},
        file.absoluteFilePath());
    rememberFile(path);
    showEditor(m_channelFrame);
    return result.error;
}

void MainWindow::openBackup() {
    if (!maySaveOrDiscard())
        return;
    disarmBandList();
    // The dialog opens in the backup folder, made if no read has made it yet.
    const QString folder = backups::folder();
    QDir().mkpath(folder);
    const QString path = filedialog::openPath(this, folder);
    if (path.isEmpty())
        return;
    openDataFile(path);
}

bool MainWindow::saveFile() {
    if (!mayLeaveFmEdits())
        return false;
    // The open file is proposed (its name in its folder); without one the dialog starts in the folder used
    // last.
    const QString open = m_document.filePath();
    const QString start = open.isEmpty() ? dialogFolder() : open;
    const QString path = filedialog::savePath(this, start);
    if (path.isEmpty())
        return false;
    recent::setFolder(QFileInfo(path).absolutePath());
    // A value still being typed (the toolbar takes no focus) is taken in first, so the file holds what shows.
    commitOpenEdits();
    const MemoryImage &image = m_document.encodeWriteImage();
    if (!datfile::write(path, image).isEmpty()) {
        LocalizedMsgBox(lang::pick("保存文件失败！", "Saving the file failed!"), msgbox::StyleStop,
                        lang::pick("错误", "Mistake"));
        return false;
    }
    m_document.markSaved(QFileInfo(path).absoluteFilePath());
    rememberFile(path);
    return true;
}

bool MainWindow::maySaveOrDiscard() {
    if (!m_document.isModified())
        return true;
    const int answer = LocalizedMsgBox(
        lang::pick("数据已修改，是否保存修改？", "The data have been changed. Save the changes?"),
        msgbox::StyleSaveChanges, lang::pick("注意", "Attention"));
    if (answer == msgbox::IdSave)
        return saveFile(); // a cancelled or failed save stops the command
    return answer == msgbox::IdDiscard;
}

bool MainWindow::mayLeaveFmEdits() {
    if (!m_fmRadioWindow->hasPendingEdits())
        return true;
    const int answer = LocalizedMsgBox(
        lang::pick("FM频道设置窗口中有未按“确定”保存的修改，是否先应用？",
                   "The FM Channel Set window holds changes not yet confirmed with OK. Apply them first?"),
        msgbox::StyleApplyChanges, lang::pick("注意", "Attention"));
    if (answer == msgbox::IdApply) {
        if (m_fmRadioWindow->applyPendingEdits())
            return true;
        // OK refused a field: the window shows it, and the command stops.
        showEditor(m_fmRadioFrame);
        m_fmRadioWindow->focusRefusedField();
        return false;
    }
    if (answer == msgbox::IdDiscard) {
        m_fmRadioWindow->discardPendingEdits();
        return true;
    }
    return false;
}

void MainWindow::undo() {
    // A value still being typed is taken in first: Undo then takes back the latest change, that one included,
    // and an editor left open cannot write its old text over the undone state.
    commitOpenEdits();
    m_document.undo();
}

void MainWindow::redo() {
    commitOpenEdits();
    m_document.redo();
}

void MainWindow::importCsv() {
    disarmBandList();
    const QString path = filedialog::openCsvPath(this, dialogFolder());
    if (path.isEmpty())
        return;
    recent::setFolder(QFileInfo(path).absolutePath());
    commitOpenEdits();
    const inputfile::Result input = inputfile::read(path, channelcsv::SizeLimit, inputfile::Oversize::Refuse);
    if (input.error != inputfile::Error::None) {
        LocalizedMsgBox(lang::pick("读取文件失败！", "Reading the file failed!"), msgbox::StyleStop,
                        lang::pick("错误", "Mistake"));
        return;
    }
    const channelcsv::ImportResult check =
        channelcsv::importChannels(input.bytes, m_document.config(), channelcsv::Placement::FromChannel);
    if (!check.error.isEmpty()) {
        // The reason comes from the CSV reader, in English.
        LocalizedMsgBox(lang::pick("不是频道CSV文件！", "Not a channel CSV file!") + QLatin1Char('\n') +
                            check.error,
                        msgbox::StyleStop, lang::pick("错误", "Mistake"));
        return;
    }
    CsvImportDialog preview(input.bytes, m_document.config(), m_channelEditor->currentChannel() + 1, this);
    if (preview.exec() != QDialog::Accepted || preview.result().takenCount() == 0)
        return;
    applyImportedChannels(preview.result(), QFileInfo(path).fileName());
    showEditor(m_channelFrame);
}

void MainWindow::applyImportedChannels(const channelcsv::ImportResult &import, const QString &fileName) {
    // An imported channel is not a newly typed one: its Band cell shows the list's entry.
    for (const channelcsv::RowOutcome &row : import.rows) {
        if (row.taken())
            m_document.setNewChannelBandText(row.channel - 1, false);
    }
    // The whole import is one undo step.
    m_document.apply(
        ChangeText(QStringLiteral("导入CSV %1").arg(fileName), QStringLiteral("Import CSV %1").arg(fileName)),
        import.config);
}

void MainWindow::exportCsv() {
    const QString path = filedialog::saveCsvPath(this, dialogFolder());
    if (path.isEmpty())
        return;
    recent::setFolder(QFileInfo(path).absolutePath());
    commitOpenEdits();
    const channelcsv::ExportResult csv = channelcsv::exportChannels(m_document.config());
    if (!savefile::write(path, csv.text).isEmpty()) {
        LocalizedMsgBox(lang::pick("保存文件失败！", "Saving the file failed!"), msgbox::StyleStop,
                        lang::pick("错误", "Mistake"));
        return;
    }
    // Channels written otherwise than they show (the reasons come from the CSV writer, in English).
    if (!csv.warnings.isEmpty())
        LocalizedMsgBox(csv.warnings.join(QLatin1Char('\n')), msgbox::StyleExclamation,
                        lang::pick("提示", "Note"));
}

void MainWindow::commitOpenEdits() {
    m_channelEditor->commitOpenEdit();
    m_optionalFeatures->commitOpenEdit();
}

void MainWindow::printReport() {
    if (!mayLeaveFmEdits())
        return;
    // The report is built from the Document; the preview is modal, so nothing changes meanwhile.
    PrintPreviewDialog preview(m_document, this);
    preview.exec();
}
void MainWindow::probePorts() {
    m_portChooser->probe();
}

void MainWindow::showPortChooser() {
    m_portChooser->showFor(m_portNumber);
}
void MainWindow::readRadio() {
    m_link->read();
}
void MainWindow::writeRadio() {
    m_link->write();
}
void MainWindow::compareWithRadio() {
    m_link->compare();
}

void MainWindow::showAbout() {
    AboutDialog about(m_channelEditor->windowIcon(), this);
    about.exec();
}

bool MainWindow::confirmQuit() {
    const QString text =
        lang::pick("确定退出本程序？\r\n未保存的更改将全部丢失！",
                   "Confirm that withdraws from a procedure?\r\nLose all in change not kept!");
    return LocalizedMsgBox(text, msgbox::StyleQuestion, lang::pick("注意", "Be careful")) == msgbox::IdOk;
}

void MainWindow::storeSettings() {
    settings::writeLanguage(Language::instance().index());
    // A port file that cannot be written loses this run's port choice; the program still ends.
    settings::writePortNumber(m_portFilePath, m_portNumber);
}

bool MainWindow::mayQuit() {
    if (!mayLeaveFmEdits())
        return false;
    // While the document is modified the save question takes the place of the quit question.
    return m_document.isModified() ? maySaveOrDiscard() : confirmQuit();
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (!m_quitConfirmed) {
        if (!mayQuit()) {
            event->ignore();
            return;
        }
        storeSettings();
        m_quitConfirmed = true;
    }
    event->accept();
}

void MainWindow::onCommitDataRequest(QSessionManager &manager) {
    if (m_quitConfirmed)
        return;
    if (manager.allowsInteraction()) {
        const bool ok = mayQuit();
        manager.release();
        if (!ok) {
            manager.cancel();
            return;
        }
    }
    storeSettings();
    m_quitConfirmed = true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event) {
    if (!droppedDatFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event) {
    const QString path = droppedDatFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The drop is over before the save question and the opening run, so no question waits inside a drop.
    QMetaObject::invokeMethod(
        this, [this, path] { openFileNamed(path); }, Qt::QueuedConnection);
}
