#include "web/ModelJson.h"

#include "config/Language.h"
#include "core/WindowTexts.h"

#include <cstdio>
#include <utility>

namespace {
// Writes one JSON value: objects and arrays open and close, members and elements are separated
// by the writer itself.
class JsonWriter {
  public:
    JsonWriter& open(char bracket) {
        comma();
        out += bracket;
        first = true;
        return *this;
    }
    JsonWriter& close(char bracket) {
        out += bracket;
        first = false;
        return *this;
    }
    JsonWriter& key(std::string_view name) {
        comma();
        out += jsonString(name);
        out += ':';
        first = true; // the value follows without a comma
        return *this;
    }
    JsonWriter& value(std::string_view text) { return raw(jsonString(text)); }
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(const std::string& text) { return value(std::string_view(text)); }
    JsonWriter& value(bool flag) { return raw(flag ? "true" : "false"); }
    JsonWriter& value(int number) { return raw(std::to_string(number)); }
    template <typename T> JsonWriter& member(std::string_view name, const T& v) {
        return key(name).value(v);
    }
    JsonWriter& list(const std::vector<std::string>& entries) {
        open('[');
        for (const std::string& entry : entries) value(entry);
        return close(']');
    }
    JsonWriter& raw(std::string_view text) {
        comma();
        out += text;
        return *this;
    }
    std::string text() const { return out; }

  private:
    void comma() {
        if (!first) out += ',';
        first = false;
    }
    std::string out;
    bool first = true;
};

// An array with one object per element, whose members `members` writes.
template <typename T, typename Members>
std::string objectsJson(const std::vector<T>& elements, Members members) {
    JsonWriter json;
    json.open('[');
    for (const T& element : elements) {
        json.open('{');
        members(json, element);
        json.close('}');
    }
    return json.close(']').text();
}

void writeMenu(JsonWriter& json, const std::vector<MenuItem>& items) {
    json.open('[');
    for (const MenuItem& item : items) {
        json.open('{')
            .member("name", item.name)
            .member("caption", item.caption)
            .member("shortcut", item.shortcut)
            .member("separator", item.separator)
            .member("submenu", item.submenu)
            .member("checkable", item.checkable)
            .member("checked", item.checked)
            .member("enabled", item.enabled)
            .member("visible", item.visible)
            .key("items");
        writeMenu(json, item.items);
        json.close('}');
    }
    json.close(']');
}

const char* pictureName(ButtonPicture picture) {
    switch (picture) {
    case ButtonPicture::Start:
        return "start";
    case ButtonPicture::Stop:
        return "stop";
    case ButtonPicture::StartUpDown:
        return "startUpDown";
    case ButtonPicture::StopUpDown:
        return "stopUpDown";
    case ButtonPicture::ZoomIn:
        return "zoomIn";
    case ButtonPicture::ZoomOut:
        return "zoomOut";
    }
    return "";
}

const char* frameName(OptionFrame frame) {
    switch (frame) {
    case OptionFrame::Midi:
        return "midi";
    case OptionFrame::Standard:
        return "standard";
    case OptionFrame::None:
        break;
    }
    return "none";
}

// The named texts of a caption set as one object.
void writeTexts(JsonWriter& json, const CaptionSet& captions,
                std::initializer_list<const char*> keys) {
    json.open('{');
    for (const char* key : keys) json.member(key, captions.textOf(key));
    json.close('}');
}
} // namespace

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
                quoted += escaped;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + '"';
}

std::string menuBarJson(const std::vector<MenuItem>& menus) {
    JsonWriter json;
    writeMenu(json, menus);
    return json.text();
}

std::string toolbarJson(const std::vector<ToolbarItem>& items) {
    return objectsJson(items, [](JsonWriter& json, const ToolbarItem& item) {
        json.member("name", item.name)
            .member("caption", item.caption)
            .member("separatorBefore", item.separatorBefore);
    });
}

std::string keysJson(const std::vector<KeyCommand>& keys) {
    return objectsJson(keys, [](JsonWriter& json, const KeyCommand& key) {
        json.member("keys", key.keys).member("command", key.command).member("popup", key.popup);
    });
}

std::string calloutsJson(const std::vector<CalloutModel>& callouts) {
    return objectsJson(callouts, [](JsonWriter& json, const CalloutModel& callout) {
        json.member("name", callout.name)
            .member("caption", callout.caption)
            .member("tooltip", callout.tooltip)
            .member("left", callout.left)
            .member("top", callout.top)
            .member("width", callout.width)
            .member("height", callout.height)
            .member("inButtonRow", callout.inButtonRow)
            .member("active", callout.active)
            .member("hovered", callout.hovered);
    });
}

std::string buttonsJson(const std::vector<ButtonModel>& buttons) {
    return objectsJson(buttons, [](JsonWriter& json, const ButtonModel& button) {
        json.member("name", button.name)
            .member("tooltip", button.tooltip)
            .member("left", button.left)
            .member("picture", pictureName(button.picture))
            .member("highlighted", button.highlighted);
    });
}

// The dialog's texts exist in German only, as on the desktop.
std::string optionsJson(const Options& options) {
    JsonWriter json;
    json.open('{').key("texts");
    writeTexts(json, germanCaptions(), {"optionsCaption",      "optionsType",
                                        "optionsPageDefault",  "optionsPageAccessories",
                                        "optionsPageElectric", "optionsHeight",
                                        "optionsConnection",   "optionsFloat",
                                        "optionsRail",         "optionsPlastic",
                                        "optionsAluminium",    "optionsFlaps",
                                        "optionsFull",         "optionsEmpty",
                                        "optionsScale",        "optionsInsulation",
                                        "optionsSpringTop",    "optionsSpringBottom",
                                        "optionsSwitch",       "optionsTransmitter",
                                        "optionsOk",           "optionsCancel",
                                        "optionsHelp"});
    json.key("types").list(options.typeList()).member("type", options.typeEntry);
    json.member("frame", frameName(options.frame));
    json.key("midi")
        .open('{')
        .key("connections")
        .list(options.midiConnectionList())
        .key("floats")
        .list(options.midiFloatList())
        .member("connection", options.midiConnectionEntry)
        .member("float", options.midiFloatEntry)
        .close('}');
    json.key("standard")
        .open('{')
        .key("connections")
        .list(options.standardConnectionList())
        .key("floats")
        .list(options.standardFloatList())
        .member("connection", options.standardConnectionEntry)
        .member("float", options.standardFloatEntry)
        .close('}');
    json.member("height", options.displayHeightText);
    json.key("colours").list(options.colourList());
    json.member("full", options.fullColourEntry).member("empty", options.emptyColourEntry);
    json.member("railAluminium", options.railAluminium())
        .member("scale", options.scaleChecked())
        .member("insulation", options.insulationChecked())
        .member("springTop", options.springTopChecked())
        .member("springBottom", options.springBottomChecked());
    json.key("switchKinds").list(electricSwitchList());
    json.key("transmitters").list(electricTransmitterList());
    return json.close('}').text();
}

std::string colourJson(const ColourChoice& colour, std::string_view languageCode) {
    JsonWriter json;
    json.open('{').key("texts");
    writeTexts(json, captionsFor(languageCode),
               {"colourCaption", "colourRed", "colourGreen", "colourBlue", "colourOk",
                "colourClose", "colourDefault", "colourApply"});
    json.key("sliders").open('[');
    for (const int position : colour.sliders()) json.value(position);
    json.close(']');
    return json.close('}').text();
}

std::string windowTextsJson(std::string_view languageCode) {
    const ContactDetails& contact = contactDetails();
    JsonWriter json;
    json.open('{').key("texts");
    writeTexts(json, captionsFor(languageCode),
               {"contactHeading", "contactTelephone", "contactFax", "contactMail", "contactWeb"});
    json.key("contact")
        .open('{')
        .member("company", contact.company)
        .member("companyLine", contact.companyLine)
        .member("address", contact.address)
        .member("telephone", contact.telephone)
        .member("fax", contact.fax)
        .member("mail", contact.mail)
        .member("web", contact.web)
        .member("footer", contact.footer)
        .close('}');
    json.member("mailLink", mailLink()).member("webLink", webLink());
    json.member("about", aboutText());
    return json.close('}').text();
}
