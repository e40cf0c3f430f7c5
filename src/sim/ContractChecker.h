#pragma once

#include <NorvoUITOKA/norvouitoka_sim_export.h>
#include <NorvoUITOKA/sim/ContractViolation.h>

#include <optional>
#include <string>
#include <vector>

namespace norvo {

/// Watches how a caller uses the voice client's two locks: values are read and
/// written only under the matching lock, the two locks are never held together,
/// no lock outlives the handler that took it, and nothing is unlocked that is
/// not locked. A breach is recorded and thrown as a ContractViolation; a
/// disabled checker lets everything pass.
class NORVOUITOKA_SIM_EXPORT ContractChecker {
public:
    /// The voice client's two locks.
    enum class Lock {
        Object, ///< LockObject() and UnlockObject().
        Pilot, ///< LockMainPilotUser() and UnlockMainPilotUser().
    };

    /// A checker that checks, or one that lets everything pass.
    explicit ContractChecker(bool enabled = true)
        : enabled_(enabled)
    {
    }

    ///@{
    /// Whether breaches are recorded and thrown.
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    ///@}

    ///@{
    /// What runs now ("ObjectValueChanged(7, 9)", "click RoomStatus(2)");
    /// named in reports of a lock held past its handler.
    void setHandler(std::string handler) { handler_ = std::move(handler); }
    const std::string& handler() const { return handler_; }
    ///@}

    /// Before a lock call: neither lock may be held.
    void beforeLock(Lock lock, const std::string& call);
    /// After a lock call, with its answer.
    void afterLock(Lock lock, const std::string& call, bool granted);
    /// Before an unlock call: the lock must be held. Releases it.
    void beforeUnlock(Lock lock, const std::string& call);
    /// Before a value call: the lock must be held.
    void access(Lock lock, const std::string& call);
    /// The handler has returned: no lock may still be held. A lock found held
    /// is released so that one breach is reported once.
    void handlerEnded();

    /// Whether the lock is held now.
    bool held(Lock lock) const { return holder(lock).has_value(); }
    /// Every breach met, in order.
    const std::vector<ContractViolation>& violations() const { return violations_; }

private:
    /// Who holds a lock: the call that took it and the handler it ran in.
    struct Holder {
        std::string call;
        std::string handler;
    };

    [[noreturn]] void violate(const std::string& call, const std::string& what);
    std::optional<Holder>& holder(Lock lock) { return lock == Lock::Object ? object_ : pilot_; }
    const std::optional<Holder>& holder(Lock lock) const { return lock == Lock::Object ? object_ : pilot_; }

    bool enabled_;
    std::string handler_;
    std::optional<Holder> object_;
    std::optional<Holder> pilot_;
    std::vector<ContractViolation> violations_;
};

} // namespace norvo
