#include "texts/listtables.h"

QString ChoiceList::text(int position, int language) const {
    if (!contains(position))
        return {};
    if (m_tones)
        return position == 0 ? m_entries.front().text(language) : toneEntry(position);
    return m_entries[std::size_t(position)].text(language);
}

QStringList ChoiceList::texts(int language) const {
    if (m_tones)
        return toneList(m_entries.front().text(language));
    QStringList result;
    for (const ListEntry &entry : m_entries)
        result << entry.text(language);
    return result;
}

int ChoiceList::find(const QString &text, int language) const {
    for (int i = 0; i < size(); ++i) {
        if (this->text(i, language) == text)
            return i;
    }
    return -1;
}
