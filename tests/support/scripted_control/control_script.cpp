#include "tests/support/scripted_control/control_script.h"

#include <algorithm>

namespace scripted {

namespace {

bool Contains(const std::vector<IID>& list, REFIID iid) {
    return std::any_of(list.begin(), list.end(), [&](const IID& i) { return IsEqualGUID(i, iid); });
}

void Remove(std::vector<IID>& list, REFIID iid) {
    list.erase(std::remove_if(list.begin(), list.end(), [&](const IID& i) { return IsEqualGUID(i, iid); }),
               list.end());
}

} // namespace

void ControlScript::Answer(std::string callPrefix, HRESULT hr, int times) {
    rules_.push_back({std::move(callPrefix), hr, times, std::nullopt, std::nullopt});
}

void ControlScript::FailWithExcepInfo(std::string callPrefix, ExcepInfoScript info, int times) {
    rules_.push_back({std::move(callPrefix), DISP_E_EXCEPTION, times, std::move(info), std::nullopt});
}

void ControlScript::FailWithErrorInfo(std::string callPrefix, HRESULT hr, ErrorInfoScript info, int times) {
    rules_.push_back({std::move(callPrefix), hr, times, std::nullopt, std::move(info)});
}

void ControlScript::ClearAnswers() {
    rules_.clear();
}

void ControlScript::Withhold(REFIID iid) {
    if (!Contains(withheld_, iid))
        withheld_.push_back(iid);
}

void ControlScript::Offer(REFIID iid) {
    Remove(withheld_, iid);
}

bool ControlScript::Offers(REFIID iid) const {
    return !Contains(withheld_, iid);
}

void ControlScript::WithholdConnectionPoint(REFIID iid) {
    if (!Contains(withheldConnectionPoints_, iid))
        withheldConnectionPoints_.push_back(iid);
}

bool ControlScript::OffersConnectionPoint(REFIID iid) const {
    return !Contains(withheldConnectionPoints_, iid);
}

void ControlScript::SetReadResult(DISPID dispid, Variant value) {
    readResults_.insert_or_assign(dispid, std::move(value));
}

std::optional<Variant> ControlScript::ReadResult(DISPID dispid) const {
    const auto it = readResults_.find(dispid);
    if (it == readResults_.end())
        return std::nullopt;
    return Variant::Copy(it->second.Get());
}

void ControlScript::FailCallNumber(int number, HRESULT hr) {
    counted_ = 0;
    failingNumber_ = number;
    failingResult_ = hr;
    failedCall_.reset();
}

std::optional<ControlScript::Rule> ControlScript::Match(const std::string& call) {
    if (++counted_ == failingNumber_) {
        failedCall_ = call;
        return Rule{call, failingResult_, 0, std::nullopt, std::nullopt};
    }
    for (auto it = rules_.rbegin(); it != rules_.rend(); ++it) {
        if (it->times == 0 || call.compare(0, it->callPrefix.size(), it->callPrefix) != 0)
            continue;
        if (it->times > 0)
            --it->times;
        return *it;
    }
    return std::nullopt;
}

} // namespace scripted
