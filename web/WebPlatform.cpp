#include "web/WebPlatform.h"

#include "core/SceneFile.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

// localStorage throws where the browser forbids it (a blocked or private profile) and when it is
// full (QuotaExceededError); every access catches, so that the core only sees "nothing there" or
// "nothing kept" and says so in its messages.
// clang-format off
EM_JS(char*, storageRead, (const char* key), {
    try {
        const text = localStorage.getItem(UTF8ToString(key));
        if (text === null) return 0;
        const size = lengthBytesUTF8(text) + 1;
        const copy = _malloc(size);
        stringToUTF8(text, copy, size);
        return copy;
    } catch (error) {
        return 0;
    }
});
EM_JS(int, storageWrite, (const char* key, const char* text), {
    try {
        localStorage.setItem(UTF8ToString(key), UTF8ToString(text));
        return 1;
    } catch (error) {
        console.warn('niveau: the browser kept nothing:', error.name);
        return 0;
    }
});
EM_JS(int, storageCount, (), {
    try {
        return localStorage.length;
    } catch (error) {
        return 0;
    }
});
EM_JS(char*, storageKey, (int index), {
    try {
        const key = localStorage.key(index);
        if (key === null) return 0;
        const size = lengthBytesUTF8(key) + 1;
        const copy = _malloc(size);
        stringToUTF8(key, copy, size);
        return copy;
    } catch (error) {
        return 0;
    }
});
// clang-format on

namespace {
std::optional<std::string> taken(char* text) {
    if (!text) return std::nullopt;
    std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return std::string(text);
}

const char* windowName(CoreWindow window) {
    switch (window) {
    case CoreWindow::Options:
        return "options";
    case CoreWindow::BackgroundColour:
        return "colour";
    case CoreWindow::FrameRate:
        return "frameRate";
    case CoreWindow::About:
        return "about";
    case CoreWindow::Contact:
        return "contact";
    }
    return "";
}
} // namespace

WebPlatform::WebPlatform(emscripten::val page, std::function<void()> passes)
    : page(std::move(page)), passes(std::move(passes)) {}

SettingsTexts WebPlatform::loadSettings() {
    return {taken(storageRead(settingsKey)).value_or(""), "", true};
}

bool WebPlatform::saveSettings(const std::string& text) {
    return storageWrite(settingsKey, text.c_str());
}

double WebPlatform::seconds() const {
    return emscripten_get_now() / 1000;
}

void WebPlatform::requestPasses() {
    passes();
}

void WebPlatform::refresh(unsigned changes) {
    page.call<void>("refresh", changes);
}

void WebPlatform::showWindow(CoreWindow window) {
    page.call<void>("showWindow", std::string(windowName(window)));
}

void WebPlatform::closeMainWindow() {
    page.call<void>("closeMainWindow");
}

void WebPlatform::openLink(const std::string& url) {
    page.call<void>("openLink", url);
}

// The page has no help file.
bool WebPlatform::openHelp(std::string& lookedAt) {
    lookedAt = "MONTAGE.HLP";
    return false;
}

void WebPlatform::showMessage(MessageKind kind, const std::string& title, const std::string& text) {
    page.call<void>("showMessage",
                    std::string(kind == MessageKind::Warning ? "warning" : "information"), title,
                    text);
}

// Scenes larger than a scene file may be are handed on as truncated, which the core refuses.
std::vector<StoredScene> WebPlatform::storedScenes() {
    std::vector<StoredScene> scenes;
    const int count = storageCount();
    for (int index = 0; index < count && scenes.size() < maxStoredScenes; ++index) {
        const std::optional<std::string> key = taken(storageKey(index));
        if (!key || !std::string_view(*key).starts_with(sceneKeyPrefix)) continue;
        std::optional<std::string> text = taken(storageRead(key->c_str()));
        if (!text) continue;
        const bool whole = text->size() <= maxSceneFileBytes;
        if (!whole) text->clear();
        scenes.push_back({key->substr(std::string_view(sceneKeyPrefix).size()),
                          {whole ? ReadOutcome::Complete : ReadOutcome::Truncated, *text}});
    }
    return scenes;
}

bool WebPlatform::storeScene(const std::string& name, const std::string& text) {
    return storageWrite((sceneKeyPrefix + name).c_str(), text.c_str());
}

void WebPlatform::askSceneName(const std::string& proposal, const std::vector<std::string>& names) {
    emscripten::val offered = emscripten::val::array();
    for (const std::string& name : names) offered.call<void>("push", name);
    page.call<void>("askSceneName", proposal, offered);
}

void WebPlatform::askSceneToImport() {
    page.call<void>("askSceneToImport");
}

void WebPlatform::askSceneExport(const std::string& proposal) {
    page.call<void>("askSceneExport", proposal);
}
