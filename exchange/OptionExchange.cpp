#include "OptionExchange.h"
#include "DataExchange.h"

#include "options/OptionVerify.h"

namespace {

const DataKind<OptionFrame> Options{ReadDovaOptions,          WriteDovaOptions,          OptionFrameDifference,
                                    OptionsVerifiedMessage,   KeepOptionFrame,           HistoryKind::ReadOptions,
                                    HistoryKind::WriteOptions, HistoryKind::VerifyOptions};

} // namespace

ExchangeReport OptionExchange::Read(OptionFrame& frame)
{
    return ReadData(setup_, Options, frame);
}

ExchangeReport OptionExchange::Write(const OptionFrame& frame, bool verify)
{
    return WriteData(setup_, Options, frame, verify);
}
