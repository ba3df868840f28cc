#include "CliVerbs.h"

const std::vector<CliVerb>& AllVerbs()
{
    // One line per group of verbs.
    static const std::vector<CliVerb> verbs = [] {
        std::vector<CliVerb> all;
        for (const auto& group : {
                 ChannelRadioVerbs(),
                 ChannelFileVerbs(),
                 OptionRadioVerbs(),
                 ExchangeVerbs(),
                 RadioRunVerbs(),
                 HistoryVerbs(),
             })
            all.insert(all.end(), group.begin(), group.end());
        return all;
    }();
    return verbs;
}

const CliVerb* FindVerb(const QString& name)
{
    for (const CliVerb& verb : AllVerbs())
        if (verb.Name == name)
            return &verb;
    return nullptr;
}
