#include "report/reportcontent.h"

#include "texts/calibrationlevels.h"
#include "texts/channelcolumns.h"
#include "texts/optionalfeaturesrows.h"

#include <QtGlobal>

#include <algorithm>
#include <functional>

namespace {
using G = GeneralSettings;
using V = VfoSettings;

// The optional-features rows the report prints, found by the setting they edit.
class OptionRows {
public:
    OptionRows() {
        for (auto rows : {optionrows::functionLeft(), optionrows::functionRight(), optionrows::vox(),
                          optionrows::voxHidden(), optionrows::vfo(0), optionrows::vfoHidden()})
            m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    }

    const OptionRow &general(int G::*setting) const {
        return find([&](const OptionRow &r) { return r.generalChoice == setting; });
    }
    const OptionRow &general(QString G::*setting) const {
        return find([&](const OptionRow &r) { return r.generalText == setting; });
    }
    const OptionRow &general(bool G::*setting) const {
        return find([&](const OptionRow &r) { return r.generalCheck == setting; });
    }
    // The A side only: the report prints no B-group VFO.
    const OptionRow &vfoA(int V::*setting) const {
        return find([&](const OptionRow &r) { return r.vfoChoice == setting && r.side == 0; });
    }
    const OptionRow &vfoA(QString V::*setting) const {
        return find([&](const OptionRow &r) { return r.vfoText == setting && r.side == 0; });
    }

private:
    const OptionRow &find(const std::function<bool(const OptionRow &)> &matches) const {
        const auto it = std::find_if(m_rows.begin(), m_rows.end(), matches);
        Q_ASSERT(it != m_rows.end());
        return it != m_rows.end() ? *it : m_none;
    }

    std::vector<OptionRow> m_rows;
    OptionRow m_none;
};

QString pick(int language, const char *chinese, const char *english) {
    return ListEntry{chinese, english}.text(language);
}

// A caption with what its control shows: a list's entry (none for a position outside the list), or the
// text of a text box as far as the box holds it.
ReportRow row(const OptionRow &r, const RadioConfig &config, int language) {
    QString value;
    if (r.kind == OptionKind::List || r.kind == OptionKind::EditableList) {
        value = r.entries.text(choiceValue(r, config), language);
    } else {
        value = textValue(r, config);
        if (r.maxLength > 0)
            value.truncate(r.maxLength);
    }
    return {r.caption.text(language), value};
}

ReportSection generalSection(const OptionRows &rows, const RadioConfig &config, int language) {
    ReportSection s{pick(language, "功能设置", "Function Set"), {}};
    // B's channel number comes before A's. The step is the A side's, as the window shows it here.
    for (QString G::*text : {&G::bChannel, &G::aChannel})
        s.rows << row(rows.general(text), config, language);
    s.rows << row(rows.general(&G::aDisplayMode), config, language);
    s.rows << row(rows.vfoA(&V::step), config, language);
    for (int G::*choice : {&G::squelchLevel, &G::beep, &G::batterySave, &G::keyLock, &G::dualStandby,
                           &G::channelNameEditable, &G::timeoutTimer})
        s.rows << row(rows.general(choice), config, language);
    s.rows << row(rows.general(&G::displayCharacters), config, language);
    s.rows << row(rows.general(&G::scanMode), config, language);
    return s;
}

ReportSection vfoSection(const OptionRows &rows, const RadioConfig &config, int language) {
    ReportSection s{pick(language, "全频频率", "The whole frequency frequently"), {}};
    for (QString V::*text : {&V::freq, &V::offset})
        s.rows << row(rows.vfoA(text), config, language);
    for (int V::*choice : {&V::rxTone, &V::txTone, &V::power, &V::busyLock, &V::scanAdd, &V::bandwidth,
                           &V::txProhibit, &V::companding, &V::shift})
        s.rows << row(rows.vfoA(choice), config, language);
    return s;
}

ReportSection voxSection(const OptionRows &rows, const RadioConfig &config, int language) {
    ReportSection s{pick(language, "VOX(声控发射)", "VOX(Voice control launches)"), {}};
    for (int G::*choice : {&G::voxGain, &G::voxDelay})
        s.rows << row(rows.general(choice), config, language);
    const OptionRow &check = rows.general(&G::allowCancel);
    s.rows << ReportRow{pick(language, "是否", "Whether") + check.caption.text(language),
                        config.general.allowCancel ? pick(language, "是", "Yes")
                                                   : pick(language, "否", "No")};
    return s;
}

// The A tab's three grades; a slider shows a value within 0..255.
ReportSection calibrationSection(const RadioConfig &config, int language) {
    ReportSection s{pick(language, "调试信息", "Debug information"), {}};
    for (std::size_t k = 0; k < std::size(calibrationtexts::Levels); ++k)
        s.rows << ReportRow{calibrationtexts::Levels[k].text(language),
                            QString::number(std::clamp(config.calibration[k], 0, 255))};
    return s;
}
} // namespace

ReportContent buildReport(const RadioConfig &config, int language,
                          const std::bitset<ReportChannels> &newChannelBandText) {
    const OptionRows rows;
    ReportContent content;
    content.title = pick(language, "QUELT对讲机", "QUELT Interphone ") +
                    pick(language, "编程数据打印", "programming data are printed");
    content.sections << generalSection(rows, config, language) << vfoSection(rows, config, language)
                     << voxSection(rows, config, language) << calibrationSection(config, language);
    content.channelTitle = pick(language, "信道数据", "Channel data");
    for (int c = 0; c < channelcolumns::Count; ++c)
        content.channelHeaders << channelcolumns::headerText(c, language);
    for (int r = 0; r < ReportChannels; ++r) {
        QStringList cells;
        for (int c = 0; c < channelcolumns::Count; ++c)
            cells << channelcolumns::cellText(config.channels[std::size_t(r)], r, c,
                                              newChannelBandText[std::size_t(r)], language);
        content.channelRows << cells;
    }
    return content;
}
