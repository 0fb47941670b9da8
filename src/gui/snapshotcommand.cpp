#include "gui/snapshotcommand.h"

#include "gui/document.h"

SnapshotCommand::SnapshotCommand(Document &document, ChangeText text, RadioConfig before, RadioConfig after,
                                 int mergeKey, std::optional<Files> files)
    : m_document(document), m_text(std::move(text)), m_before(std::move(before)), m_after(std::move(after)),
      m_mergeKey(mergeKey), m_files(std::move(files)) {
    setText(m_text.english);
}

void SnapshotCommand::undo() {
    m_document.assign(m_before, m_files ? &m_files->before : nullptr, m_files && m_files->reloadAll);
}

void SnapshotCommand::redo() {
    m_document.assign(m_after, m_files ? &m_files->after : nullptr, m_files && m_files->reloadAll);
}

int SnapshotCommand::id() const {
    return m_mergeKey == 0 || m_sealed || m_files ? -1 : m_mergeKey;
}

bool SnapshotCommand::mergeWith(const QUndoCommand *other) {
    const auto *next = dynamic_cast<const SnapshotCommand *>(other);
    if (!next || next->id() != id())
        return false;
    m_after = next->m_after;
    // Typing a character and erasing it again leaves nothing to undo.
    setObsolete(m_after == m_before);
    return true;
}
