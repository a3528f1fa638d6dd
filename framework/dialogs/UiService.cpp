#include "framework/dialogs/UiService.h"

#include "framework/dialogs/ModalGate.h"
#include "framework/dialogs/QtUiService.h"

namespace {

// Neither holds a Qt object between calls, so living in statics is safe.
std::unique_ptr<UiService>& installedService() {
    static std::unique_ptr<UiService> service;
    return service;
}

UiService::SpeechEngine& installedSpeechEngine() {
    static UiService::SpeechEngine engine;
    return engine;
}

}  // namespace

void UiService::setSpeechEngine(SpeechEngine engine) {
    installedSpeechEngine() = std::move(engine);
}

const UiService::SpeechEngine& UiService::speechEngine() {
    return installedSpeechEngine();
}

UiService& installedUiService() {
    auto& service = installedService();
    if (!service) service = std::make_unique<QtUiService>();
    return *service;
}

UiService& uiService() {
    UiService& inner = installedUiService();
    static ModalGate gate(inner);
    gate.setInner(inner);
    return gate;
}

std::unique_ptr<UiService> setUiService(std::unique_ptr<UiService> service) {
    auto previous = std::move(installedService());
    installedService() = std::move(service);
    return previous;
}
