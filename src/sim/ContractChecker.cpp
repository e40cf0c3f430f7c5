#include "sim/ContractChecker.h"

namespace norvo {

namespace {

const char* lockName(ContractChecker::Lock lock)
{
    return lock == ContractChecker::Lock::Object ? "the object lock" : "the main pilot user lock";
}

ContractChecker::Lock otherLock(ContractChecker::Lock lock)
{
    return lock == ContractChecker::Lock::Object ? ContractChecker::Lock::Pilot : ContractChecker::Lock::Object;
}

} // namespace

void ContractChecker::violate(const std::string& call, const std::string& what)
{
    violations_.emplace_back(call, what);
    throw violations_.back();
}

void ContractChecker::beforeLock(Lock lock, const std::string& call)
{
    if (!enabled_)
        return;
    if (const auto& other = holder(otherLock(lock)))
        violate(
            call, call + " while " + lockName(otherLock(lock)) + " is held (" + other->call + "): both locks at once");
    if (const auto& same = holder(lock))
        violate(call, call + " while " + lockName(lock) + " is already held (" + same->call + ")");
}

void ContractChecker::afterLock(Lock lock, const std::string& call, bool granted)
{
    if (!enabled_)
        return;
    if (granted)
        holder(lock) = Holder{call, handler_};
    else
        holder(lock).reset();
}

void ContractChecker::beforeUnlock(Lock lock, const std::string& call)
{
    if (!enabled_)
        return;
    if (!holder(lock))
        violate(call, call + " without " + lockName(lock) + " held");
    holder(lock).reset();
}

void ContractChecker::access(Lock lock, const std::string& call)
{
    if (enabled_ && !holder(lock))
        violate(call, call + " without " + lockName(lock) + " held");
}

void ContractChecker::handlerEnded()
{
    if (!enabled_)
        return;
    const std::optional<Holder> stale = object_ ? object_ : pilot_;
    object_.reset();
    pilot_.reset();
    if (stale)
        violate(stale->call,
            stale->call + " still held after " + (stale->handler.empty() ? "its handler" : stale->handler)
                + " returned");
}

} // namespace norvo
