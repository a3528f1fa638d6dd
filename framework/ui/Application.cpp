#include "framework/ui/Application.h"

#include "framework/ui/MenuIntegration.h"
#include "framework/ui/Runtime.h"
#include "framework/files/FolderItem.h"

#include <QCoreApplication>

namespace {
Application* registered = nullptr;
}

Application::Application() : EnableMenuItems([] { runMenuEnablingPass(); }) {
    registered = this;
    ensureMenuIntegration();
}

Application::~Application() {
    if (registered == this) registered = nullptr;
}

Application* currentApplication() { return registered; }

int32_t Application::MajorVersion() { return LARDERWISE_MAJOR_VERSION; }
int32_t Application::MinorVersion() { return LARDERWISE_MINOR_VERSION; }
int32_t Application::BugVersion() { return LARDERWISE_BUG_VERSION; }
int32_t Application::StageCode() { return LARDERWISE_STAGE_CODE; }
int32_t Application::NonReleaseVersion() { return LARDERWISE_NON_RELEASE_VERSION; }

std::string Application::ExecutableFilePath() {
    return QCoreApplication::applicationFilePath().toStdString();
}

std::shared_ptr<FolderItem> Application::ExecutableFile() { return FolderItem::fromPath(ExecutableFilePath()); }

void Application::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
    menuHandlers_.AddMenuHandler(itemName, std::move(handler));
}

bool Application::hasMenuHandler(const std::string& itemName) const { return menuHandlers_.has(itemName); }

bool Application::invokeMenuHandler(const std::string& itemName) { return menuHandlers_.invoke(itemName); }

void Quit(int code) { Runtime::requestQuit(code); }
