// Any bytes as a job file: decoding must accept or refuse with a one-line message.

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "renderer/job/render_job.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const renderer::RenderJob job =
            renderer::decodeRenderJob(std::string_view(reinterpret_cast<const char*>(data), size));
        renderer::resolveEndingPlan(job);
    } catch (const std::runtime_error& error) {
        if (std::string_view(error.what()).find('\n') != std::string_view::npos) std::abort();
    }
    return 0;
}
