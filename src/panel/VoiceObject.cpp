#include "panel/VoiceObject.h"

namespace norvo {

void VoiceObject::bind(std::int32_t handle, const VoiceObjectLayout& layout)
{
    layout_ = layout;
    handle_ = handle;
}

} // namespace norvo
