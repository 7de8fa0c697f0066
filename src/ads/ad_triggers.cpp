#include "ads/ad_triggers.h"

#include "ads/show_advertisement.h"
#include "model/trigger_words.h"

namespace qvs {
namespace {

// DisplayWhen: 2 on triggers only, 3 on triggers and on timers.
bool ShownOnTrigger(const AdGroupSelection* selection) {
    return selection->Enable == 1 && (selection->DisplayWhen == 2 || selection->DisplayWhen == 3);
}

}  // namespace

bool ShowTriggeredAdvertisements(ModuleState& state, ServedChannel* channel, const std::string& word,
                                 const char* nick) {
    for (AdGroupSelection* selection = channel->Config->AdGroupLinks.Head; selection; selection = selection->Next) {
        if (!ShownOnTrigger(selection) || !IsTriggerWord(selection->Trigger, word)) continue;
        if (channel->Config->Serve == 1 && selection->Group)
            for (Advertisement* ad = selection->Group->Ads.Head; ad; ad = ad->Next)
                ShowAdvertisement(state, ad, channel, selection, nick);
        return true;
    }
    return false;
}

}  // namespace qvs
