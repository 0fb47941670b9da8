#include "gui/channellists.h"

#include "image/tones.h"

namespace {
QString pick(int language, const char *chinese, const char *english) {
    return QString::fromUtf8(language == 1 ? english : chinese);
}
} // namespace

QStringList channelListEntries(int column, int language) {
    switch (column) {
    case channelcolumn::RxTone:
    case channelcolumn::TxTone:
        return toneList(pick(language, "关闭", "Off"));
    case channelcolumn::Power:
        return {pick(language, "低", "Low"), pick(language, "高", "High"), pick(language, "中", "Middle")};
    case channelcolumn::BusyLock:
        return {pick(language, "载波", "Carry"), pick(language, "关", "Off")};
    case channelcolumn::ScanAdd:
        return {pick(language, "禁止", "Off"), pick(language, "使能", "On")};
    case channelcolumn::Bandwidth:
        return {pick(language, "窄带", "Narror"), pick(language, "宽带", "wide")};
    case channelcolumn::TxProhibit:
        return {pick(language, "开", "On"), pick(language, "关", "Off")};
    }
    return {};
}

QString createdBandText(int language) {
    return pick(language, "宽带", "Wide");
}
