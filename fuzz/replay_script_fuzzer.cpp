// Feeds arbitrary bytes to toka-replay as a script: whatever the script says,
// the runner reports an invalid line or an error and never crashes.
#include "ReplayOptions.h"
#include "ScriptRunner.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    norvo::replay::ReplayOptions options;
    // Long ticks on a 1 ms timer only cost time, they find nothing.
    options.maxTickMilliseconds = 10000;
    const norvo::replay::ScriptRunner runner(options);
    std::ostringstream out;
    std::ostringstream err;
    runner.run("fuzz", std::string_view(reinterpret_cast<const char*>(data), size), out, err);
    return 0;
}
