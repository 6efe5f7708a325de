// The driver's half of gadget localization: which gadgets follow the current language, with
// which keys, and how they are refreshed when the language or the mode changes.
#include "VellumDriver.h"

#include "GadgetConstants.h"
#include "ToolkitState.h"
#include "gui/localization/LocalizationEngine.h"

#include <algorithm>

namespace vandro {

namespace {} // namespace

int TVellumDriver::SetLocalizationMode(int mode) {
    const bool switched = ((TVellumLocalizationEngine::GetMode() ^ mode) &
                           TVellumLocalizationEngine::ModeTranslates) != 0;
    Toolkit().engineSetMode(mode);
    if (switched)
        ApplyLanguage();
    return 0;
}

int TVellumDriver::SetLanguage(const Ref<TVellumLanguage>& language) {
    Toolkit().engineSetLanguage(language);
    ApplyLanguage();
    return 0;
}

int TVellumDriver::ApplyLanguage() {
    // Applying may change texts that delocalize or free gadgets; walk a snapshot.
    std::vector<Ref<TGadget>> gadgets;
    for (const auto& [key, keys] : *_mapLocalized)
        if (auto gadget = Cast<TGadget>(key))
            gadgets.push_back(gadget);
    for (const auto& gadget : gadgets)
        if (_mapLocalized->Contains(gadget))
            ApplyLocalization(gadget);
    return 0;
}

int TVellumDriver::SetGadgetLocalization(const Ref<TGadget>& gadget, const String& textKey,
                                         const String& tipKey) {
    if (!gadget)
        return 0;
    _mapLocalized->Insert(gadget, New<TStringArray>(std::vector<String>{textKey, tipKey}));
    ApplyLocalization(gadget);
    return 0;
}

int TVellumDriver::ApplyLocalization(const Ref<TGadget>& gadget) {
    if (gadget->Class() == ClassCanvas)
        return 0;
    const auto keys = Cast<TStringArray>(_mapLocalized->ValueForKey(gadget));
    if (!keys)
        return 0;
    gadget->SetText(TVellumLocalizationEngine::LocalizeString((*keys)[0]));
    gadget->SetTooltip(TVellumLocalizationEngine::LocalizeString((*keys)[1]));
    for (int i = 0; i < gadget->ItemCount(); ++i)
        if (std::max(gadget->ItemFlags(i), 0) & ItemFlagLocalized)
            LocalizeGadgetItem(gadget, i);
    return 0;
}

int TVellumDriver::LocalizeGadgetItem(const Ref<TGadget>& gadget, int index) {
    int icon = gadget->ItemIcon(index);
    // A selected toggle item shows the icon after its own, as SelectItem left it; re-sending
    // its stored icon would show it unselected.
    if (icon > -1 && (gadget->ItemFlags(index) & ItemFlagToggle) &&
        (gadget->ItemState(index) & ItemStateSelected))
        ++icon;
    gadget->SetListItem(index, TVellumLocalizationEngine::LocalizeString(gadget->ItemText(index)),
                        TVellumLocalizationEngine::LocalizeString(gadget->ItemTip(index)), icon,
                        gadget->ItemExtra(index));
    return 0;
}

int TVellumDriver::GadgetLocalized(const Ref<TGadget>& gadget) {
    return gadget && _mapLocalized->Contains(gadget) ? 1 : 0;
}

int TVellumDriver::DelocalizeGadget(const Ref<TGadget>& gadget) {
    if (gadget)
        _mapLocalized->Remove(gadget);
    return 0;
}

} // namespace vandro
