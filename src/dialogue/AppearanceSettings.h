#pragma once

#include "dialogue/Appearance.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// The settings menu as plain data and rules: which command opens which chooser, what a choice
// changes, what the restore puts back, and the two marks the menu shows (the initial-settings mark
// and full screen). The main window opens the choosers and applies the values this hands back.
class AppearanceSettings {
public:
    enum class Store {
        ColorDialog1,
        ColorDialog2,
        ColorDialog3,
        FontDialog1,
        FontDialog2,
        FontDialog3
    };
    // What a confirmed colour choice recolours besides its store.
    enum class ColourTarget { Form, RE1, Input, Speak, Cancel, EnRus, InputText, Selection };
    // What a font choice restyles: the dialog view's current attributes (name, size and style) or
    // the input line (name and style).
    enum class FontTarget { Selection, Input };

    struct ColourCommand {
        const char* handler;
        Store store;
        std::vector<ColourTarget> choices; // one chooser opened per target, in this order
        ColourNumber initial;              // what the restore puts back
    };
    struct FontCommand {
        const char* handler;
        Store store;
        FontTarget target;
        int fixedSize; // 0: any size
    };

    static const std::vector<ColourCommand>& colourCommands();
    static const std::vector<FontCommand>& fontCommands();
    static const ColourCommand& colourCommand(const std::string& handler);
    static const FontCommand& fontCommand(const std::string& handler);

    // A colour confirmed in `store` for `target`: the store keeps it and the target takes it.
    static Appearance colourConfirmed(Store store, ColourTarget target, const ColourNumber& colour);
    // A font chooser closed: `held` is what its store held when it opened, `confirmed` the font
    // chosen, or nothing when the user cancelled. A confirmed font goes to the store and its name
    // to the target; then, confirmed or not, the target takes the size and style the store now
    // holds (the input line the style only).
    static Appearance fontClosed(const FontCommand& command, const FontSetting& held,
                                 const std::optional<FontSetting>& confirmed);

    // The initial settings the restore puts back: silver surfaces, black texts and stores, the
    // input text bold, the line fonts "MS Sans Serif" 8 points regular, the my-string font
    // "MS Sans Serif" 8 points with its style kept. The input line's face is left as it is.
    static Appearance initialSettings();
    // The restore's steps, in order.
    enum class RestoreStep {
        ShowMark,
        Backgrounds,
        InputText,
        ButtonCaptions,
        ColourStores,
        LineFonts,
        MyStringFont,
        EditorFields,
        AboutHeight,
    };
    static std::span<const RestoreStep> restoreSteps();
    // The part of the initial settings a step sets (nothing for the steps outside the appearance).
    static Appearance restoreStep(RestoreStep step);

    // The check mark of "Вернуть первоначальные настройки": shown at start, removed as each
    // settings command opens (whatever the user then chooses), shown again by the restore.
    bool initialSettingsMark() const { return mark_; }
    void removeMark() { mark_ = false; }
    void showMark() { mark_ = true; }

    // Full screen: off at start.
    bool fullScreen() const { return fullScreen_; }
    void setFullScreen(bool on) { fullScreen_ = on; }
    // The caption of the full-screen command after its first use: the command that it offers.
    std::string fullScreenCaption() const { return fullScreen_ ? "Normal" : "Full Screen"; }

private:
    bool mark_ = true;
    bool fullScreen_ = false;
};
