#pragma once
// One undo step of the Document: the whole configuration before and after (it is small), and for a new
// content (New, Open, Read) the file it belonged to before and belongs to after.

#include "gui/changetext.h"
#include "image/radioconfig.h"

#include <QUndoCommand>

#include <optional>

class Document;

class SnapshotCommand : public QUndoCommand {
public:
    struct Files {
        QString before;
        QString after;
        bool reloadAll = false; // every window loads itself again (an image spread over the editors)
    };

    SnapshotCommand(Document &document, ChangeText text, RadioConfig before, RadioConfig after, int mergeKey,
                    std::optional<Files> files = std::nullopt);

    void undo() override;
    void redo() override;
    // Steps with the same key that follow each other become one (-1: never merged).
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

    const ChangeText &changeText() const { return m_text; }
    // Ends a run of merged changes: the next change with the same key is a step of its own.
    void seal() { m_sealed = true; }

private:
    Document &m_document;
    ChangeText m_text;
    RadioConfig m_before;
    RadioConfig m_after;
    int m_mergeKey;
    std::optional<Files> m_files;
    bool m_sealed = false;
};
