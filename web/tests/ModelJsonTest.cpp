// The models as the page's script reads them: JSON that JSON.parse takes for any caption or
// name, the menu tree with every flag, the controls, the dialogs' lists and choices as the core's
// models hold them, and the page's own menu entry in both languages.
#include "web/ModelJson.h"
#include "web/PageMenus.h"

#include "tests/model/FakePlatform.h"

#include <gtest/gtest.h>

namespace {
class Models : public testing::Test, public CoreFixture {};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
} // namespace

TEST(ModelJson, StringsKeepUtf8AndEscapeWhatJsonMust) {
    EXPECT_EQ(jsonString("Dämpfungsfeder"), "\"Dämpfungsfeder\"");
    EXPECT_EQ(jsonString("say \"A\\B\""), R"("say \"A\\B\"")");
    EXPECT_EQ(jsonString("a\nb\tc\x01"), R"("a\nb\u0009c\u0001")");
    EXPECT_EQ(jsonString(std::string("\0", 1)), R"("\u0000")");
}

TEST(ModelJson, MenusKeepTheirTreeAndEveryFlag) {
    MenuItem check;
    check.name = "GLLINE1";
    check.caption = "GL_&LINE";
    check.shortcut = "Ctrl+L";
    check.checkable = check.checked = true;
    check.enabled = false;
    MenuItem separator;
    separator.separator = true;
    separator.visible = false;
    MenuItem menu;
    menu.name = "Poly";
    menu.caption = "&Polygon";
    menu.submenu = true;
    menu.items = {check, separator};
    EXPECT_EQ(menuBarJson({menu}),
              R"([{"name":"Poly","caption":"&Polygon","shortcut":"","separator":false,)"
              R"("submenu":true,"checkable":false,"checked":false,"enabled":true,"visible":true,)"
              R"("items":[{"name":"GLLINE1","caption":"GL_&LINE","shortcut":"Ctrl+L",)"
              R"("separator":false,"submenu":false,"checkable":true,"checked":true,)"
              R"("enabled":false,"visible":true,"items":[]},{"name":"","caption":"",)"
              R"("shortcut":"","separator":true,"submenu":false,"checkable":false,)"
              R"("checked":false,"enabled":true,"visible":false,"items":[]}]}])");
    EXPECT_EQ(menuBarJson({}), "[]");
}

TEST_F(Models, TheControlsAndKeysAsTheCoreHasThem) {
    viewer.Label1Click("Label1"); // the insulation shows: its callout is active
    const std::string callouts = calloutsJson(viewer.callouts());
    EXPECT_TRUE(contains(callouts, R"({"name":"Label1","caption":" Armaflex isolation",)"
                                   R"("tooltip":"Show or hide the insulation","left":8,"top":140,)"
                                   R"("width":185,"height":23,"inButtonRow":false,"active":true,)"
                                   R"("hovered":false})"));
    EXPECT_TRUE(contains(callouts, R"("name":"Label6","caption":"+")"));
    stopDemos();
    const std::string buttons = buttonsJson(viewer.buttons());
    EXPECT_TRUE(contains(buttons,
                         R"({"name":"Start_Stop_Image","tooltip":"Start or stop the )"
                         R"(swing demo","left":88,"picture":"start","highlighted":false})"));
    EXPECT_TRUE(contains(buttons, R"("picture":"startUpDown")"));
    EXPECT_TRUE(contains(buttons, R"("picture":"zoomOut")"));
    EXPECT_TRUE(contains(toolbarJson(viewer.stepToolbar()),
                         R"({"name":"TBItemA-","caption":"A-","separatorBefore":true})"));
    EXPECT_TRUE(contains(keysJson(viewer.keys()),
                         R"({"keys":"Ctrl+D","command":"Anzeige1","popup":true})"));
}

TEST_F(Models, TheOptionsShowTheFrameAndTheListsOfTheTypeChosen) {
    Options& options = viewer.options();
    options.FormCreate();
    std::string json = optionsJson(options);
    EXPECT_TRUE(contains(json, R"("type":-1,"frame":"none")")) << "no type chosen yet";
    EXPECT_TRUE(contains(json, R"("optionsHeight":"Anzeigehöhe:")"));
    EXPECT_TRUE(contains(json, R"("switchKinds":["gelb","weiss","exia","exd"])"));

    options.ComboBox4Change(4); // "R-650", a Standard type
    json = optionsJson(options);
    EXPECT_TRUE(contains(json, R"("type":4,"frame":"standard")"));
    EXPECT_TRUE(contains(json, R"("connections":["DN15","DN20","DN25","DN30","DN32"])"));
    options.CheckBox2Click(true);
    options.RadioButton1Click();
    json = optionsJson(options);
    EXPECT_TRUE(contains(json, R"("railAluminium":false,"scale":true,"insulation":true,)"));
    EXPECT_TRUE(contains(json, R"("height":")" + options.displayHeightText + "\""));
}

TEST_F(Models, TheColourDialogInTheInterfaceLanguage) {
    state.backgroundRed = 1;
    state.backgroundGreen = 0.5f;
    state.backgroundBlue = 0;
    viewer.colourChoice().FormShow();
    EXPECT_TRUE(contains(colourJson(viewer.colourChoice(), "gb"), R"("sliders":[255,128,0])"));
    EXPECT_TRUE(contains(colourJson(viewer.colourChoice(), "gb"), R"("colourRed":"red")"));
    EXPECT_TRUE(contains(colourJson(viewer.colourChoice(), "d"), R"("colourApply":"Übernehmen")"));
}

TEST(ModelJson, TheWindowsTextsHoldTheLinksAndTheAboutTextsLines) {
    const std::string json = windowTextsJson("d");
    EXPECT_TRUE(contains(json, R"("mailLink":"mailto:)"));
    EXPECT_TRUE(contains(json, R"("contactHeading":"Kontakt Adresse")"));
    EXPECT_TRUE(contains(json, R"("about":"niveau\n\na demonstration model)"));
}

TEST_F(Models, ThePagesOwnSceneLinkEntryFollowsTheExportInBothLanguages) {
    for (const CaptionSet* captions : {&englishCaptions(), &germanCaptions()}) {
        std::vector<MenuItem> menus = viewer.menuBar();
        addPageEntries(menus, *captions);
        const MenuItem* scenes = findMenuItem(menus, "Scenes1");
        ASSERT_TRUE(scenes);
        const auto& items = scenes->items;
        const auto link = std::find_if(items.begin(), items.end(), [](const MenuItem& item) {
            return item.name == "CopySceneLink1";
        });
        ASSERT_NE(link, items.end());
        EXPECT_EQ((link - 1)->name, "ExportScene1");
        EXPECT_EQ(link->caption,
                  captions == &germanCaptions() ? "Szenen-&Link kopieren" : "Copy scene &link");
        EXPECT_FALSE(viewer.trigger(link->name)) << "the page's own, no command of the core";
    }
}
