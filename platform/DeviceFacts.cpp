#include "platform/DeviceFacts.h"

#include <utility>

namespace ratio {

namespace {

std::string& currentModel() {
    static std::string* model = new std::string("Desktop");
    return *model;
}

} // namespace

std::string DeviceFacts::model() {
    return currentModel();
}

void DeviceFacts::setModel(std::string model) {
    currentModel() = std::move(model);
}

bool DeviceFacts::isPadDevice() {
    return currentModel().starts_with("iPad");
}

} // namespace ratio
