// Each localization test starts from the engine's initial state and a clock it sets itself, and
// must leave no object of its own alive.
#pragma once

#include "gui/localization/LocalizationEngine.h"

#include "io/StreamModule.h"

#include <gtest/gtest.h>

using namespace vandro;

class LocalizationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The first url with a protocol makes the stream module's factory, which stays.
        StartStreams();
        liveBefore_ = TObject::LiveObjects();
        SetTime(2026, 12, 6, 9, 5, 7);
        TVellumLocalizationEngine::SetClock([] { return now_; });
    }

    void TearDown() override {
        TVellumLocalizationEngine::_SetMode(0);
        TVellumLocalizationEngine::_SetLanguage(nullptr);
        TVellumLocalizationEngine::SetClock(nullptr);
        EXPECT_EQ(TObject::LiveObjects(), liveBefore_);
    }

    static void SetTime(int year, int month, int day, int hour, int minute, int second) {
        now_ = LocalTime{year, month, day, hour, minute, second};
    }

    // Localization on, with this language (or none).
    static void Translate(Ref<TVellumLanguage> language) {
        TVellumLocalizationEngine::_SetMode(1);
        TVellumLocalizationEngine::_SetLanguage(std::move(language));
    }

    static Ref<TVellumLanguage>
    LanguageOf(std::initializer_list<std::pair<const char16_t*, const char16_t*>> definitions) {
        auto language = New<TVellumLanguage>()->Create(u"Test");
        for (const auto& [token, definition] : definitions)
            language->DefineToken(token, definition);
        return language;
    }

    static String Localize(const String& text) {
        return TVellumLocalizationEngine::LocalizeString(text);
    }

  private:
    static inline LocalTime now_;
    long liveBefore_ = 0;
};
