#include "editors/channeleditorwindow.h"

#include "editors/channelgridview.h"
#include "editors/channelitemdelegate.h"
#include "editors/channeltablecommands.h"
#include "editors/channeltablemodel.h"
#include "editors/clientscrollarea.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/twips.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
constexpr int WindowWidthTwips = 12635;
constexpr int WindowHeightTwips = 7200;
constexpr int GridHeightTwips = 6615;
} // namespace

ChannelEditorWindow::ChannelEditorWindow(Document &document, QWidget *parent)
    : QWidget(parent), m_document(document) {
    setObjectName(QStringLiteral("Form1"));
    // The column widths are fixed in twips; an 8 point face fits "000.00000" into the frequency columns.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    m_model = new ChannelTableModel(m_document, this);
    m_scrollArea = new ClientScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("ClientScrollArea"));
    m_client = new QWidget;
    m_client->setObjectName(QStringLiteral("picClient"));
    m_grid = new ChannelGridView(m_client);
    m_grid->setModel(m_model);
    m_delegate = new ChannelItemDelegate(*m_model, *m_grid);
    m_grid->setChannelDelegate(m_delegate);
    m_commands = new ChannelTableCommands(m_document, *m_model, *m_grid);
    layoutGrid();
    m_scrollArea->setWidget(m_client);
    m_scrollArea->viewport()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);

    m_grid->setCurrentIndex(m_model->index(0, ChannelTableModel::RxColumn));
    resize(twipsToPixels(WindowWidthTwips), twipsToPixels(WindowHeightTwips));

    retranslate();
    connect(&Language::instance(), &Language::changed, this, &ChannelEditorWindow::retranslate);
}

void ChannelEditorWindow::layoutGrid() {
    QHeaderView *header = m_grid->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    // A header selects its column; the channel number's header is the table's corner: it selects all.
    header->setSectionsClickable(true);
    connect(header, &QHeaderView::sectionPressed, this, [this](int section) {
        m_grid->finishEdit();
        if (section == ChannelTableModel::NumberColumn)
            m_grid->selectAll();
    });
    QHeaderView *rows = m_grid->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);

    int width = 0;
    for (int column = 0; column < ChannelTableModel::ColumnCount; ++column) {
        const int w = twipsToPixels(ChannelTableModel::columnWidthTwips(column));
        m_grid->setColumnWidth(column, w);
        width += w;
    }
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    width += m_grid->verticalScrollBar()->sizeHint().width() + 2 * m_grid->frameWidth();
    m_baseGridSize = QSize(width, twipsToPixels(GridHeightTwips));
    m_grid->setGeometry(QRect(QPoint(0, 0), m_baseGridSize));
    // The panned area is the grid plus two pixels each way.
    m_client->setFixedSize(m_grid->width() + 2, m_grid->height() + 2);
}

void ChannelEditorWindow::fitGrid() {
    // The grid is never lower than as loaded (the window's scroll bars pan it then) and grows with the window
    // to show more channels. Its width is that of its columns; beside it lies the window's background.
    const int inside = m_scrollArea->viewport()->height();
    const QSize size(m_baseGridSize.width(), std::max(m_baseGridSize.height(), inside - 2));
    if (m_grid->size() == size)
        return;
    m_grid->resize(size);
    m_client->setFixedSize(size + QSize(2, 2));
}

bool ChannelEditorWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_scrollArea->viewport() && event->type() == QEvent::Resize)
        fitGrid();
    return QWidget::eventFilter(watched, event);
}

void ChannelEditorWindow::retranslate() {
    setWindowTitle(lang::pick("信道编辑", "Channel Edit"));
}

void ChannelEditorWindow::startForm() {
    m_delegate->cancelEdit();
    m_document.clearChannels();
}

void ChannelEditorWindow::commitOpenEdit() {
    m_grid->finishEdit();
}

void ChannelEditorWindow::cancelOpenEdit() {
    m_delegate->cancelEdit();
}

void ChannelEditorWindow::mousePressEvent(QMouseEvent *event) {
    // A click beside the grid ends an open edit.
    m_grid->finishEdit();
    QWidget::mousePressEvent(event);
}

int ChannelEditorWindow::currentChannel() const {
    const int row = m_grid->currentIndex().row();
    return row < 0 ? 0 : row;
}
