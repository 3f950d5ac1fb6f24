#include "wallpaper/monitor_sizes.h"

#include <nlohmann/json.hpp>

namespace vorrith {
namespace {

// A side of a monitor as the renderer can make it; 0 otherwise.
int Side(const nlohmann::json& mode, const char* name) {
    const auto found = mode.find(name);
    if (found == mode.end() || !found->is_number_integer()) return 0;
    const auto side = found->get<long long>();
    return side >= 1 && side <= kLargestOutputSide ? static_cast<int>(side) : 0;
}

bool TurnedSideways(const nlohmann::json& output) {
    const auto transform = output.find("transform");
    if (transform == output.end() || !transform->is_string()) return false;
    const std::string turn = transform->get<std::string>();
    return turn.find("90") != std::string::npos || turn.find("270") != std::string::npos;
}

}  // namespace

std::vector<PictureSize> SwayOutputSizes(const std::string& json) {
    const nlohmann::json outputs = nlohmann::json::parse(json, nullptr, false);
    std::vector<PictureSize> sizes;
    if (!outputs.is_array()) return sizes;
    for (const nlohmann::json& output : outputs) {
        if (!output.is_object()) continue;
        const auto active = output.find("active");
        if (active == output.end() || !active->is_boolean() || !active->get<bool>()) continue;
        const auto mode = output.find("current_mode");
        if (mode == output.end() || !mode->is_object()) continue;
        const int width = Side(*mode, "width");
        const int height = Side(*mode, "height");
        if (width == 0 || height == 0) continue;
        sizes.push_back(TurnedSideways(output) ? PictureSize{height, width} : PictureSize{width, height});
    }
    return sizes;
}

std::optional<PictureSize> LargestMonitor(const std::vector<PictureSize>& sizes) {
    std::optional<PictureSize> largest;
    for (const PictureSize& size : sizes) {
        const long long pixels = static_cast<long long>(size.width) * size.height;
        if (!largest || pixels > static_cast<long long>(largest->width) * largest->height) largest = size;
    }
    return largest;
}

}  // namespace vorrith
