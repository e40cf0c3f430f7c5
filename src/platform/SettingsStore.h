#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/SettingsProblem.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace norvo {

/// Raised when the store cannot be read or written.
class NORVOUITOKA_EXPORT SettingsError : public std::runtime_error {
public:
    /// The problem's message() is the error's what().
    explicit SettingsError(SettingsProblem problem)
        : std::runtime_error(problem.message())
        , problem_(std::move(problem))
    {
    }

    /// What stood in the way.
    const SettingsProblem& problem() const { return problem_; }

private:
    SettingsProblem problem_;
};

/// The per-user application settings store: string values addressed by
/// application, section and key.
class NORVOUITOKA_EXPORT SettingsStore {
public:
    /// Keys and their values, in the order given.
    using Entries = std::vector<std::pair<std::string, std::string>>;

    virtual ~SettingsStore() = default;
    /// The stored value, or defaultValue when the key is missing. Never raises
    /// for a store that cannot be read: problem() then says why.
    virtual std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
        const std::string& defaultValue)
        = 0;
    /// Every key of one section with its value.
    virtual Entries GetAllSettings(const std::string& application, const std::string& section) = 0;
    /// Raises SettingsError when the value cannot be kept.
    virtual void SaveSetting(
        const std::string& application, const std::string& section, const std::string& key, const std::string& value)
        = 0;
    /// Stores all entries as one change: afterwards the store holds all of
    /// them, or (after a crash or a SettingsError) none. Writes nothing when
    /// it holds every value already; returns whether it wrote.
    virtual bool SaveSettings(const std::string& application, const std::string& section, const Entries& entries) = 0;
    /// What stood in the way of the application's settings when the store
    /// last read or wrote them; none when they were read or written whole.
    virtual std::optional<SettingsProblem> problem(const std::string& application) = 0;
    /// A number that changes whenever what the store holds for the
    /// application may have changed, through this store or from outside;
    /// while it stays the same, saving values the store holds writes nothing
    /// and raises nothing. None when the store cannot tell.
    virtual std::optional<std::uint64_t> revision(const std::string& /*application*/) { return std::nullopt; }
};

} // namespace norvo
