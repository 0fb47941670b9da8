#pragma once
// The channel table window: 128 channels edited in place.

#include <QSize>
#include <QWidget>

class ChannelGridView;
class ChannelItemDelegate;
class ChannelTableCommands;
class ChannelTableModel;
class ClientScrollArea;
class Document;

class ChannelEditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChannelEditorWindow(Document &document, QWidget *parent = nullptr);
    // Empties every channel and puts the editor lists to their start (New).
    void startForm();
    // Takes an open frequency or name edit into the table (before a radio read or write).
    void commitOpenEdit();
    // Closes an open editor without taking what it holds.
    void cancelOpenEdit();
    // The channel (0..127) of the table's current cell; 0 when there is none.
    int currentChannel() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void layoutGrid();
    void fitGrid();

    Document &m_document;
    ChannelTableModel *m_model = nullptr;
    ClientScrollArea *m_scrollArea = nullptr;
    QWidget *m_client = nullptr;
    ChannelGridView *m_grid = nullptr;
    ChannelItemDelegate *m_delegate = nullptr;
    ChannelTableCommands *m_commands = nullptr;
    QSize m_baseGridSize;
};
