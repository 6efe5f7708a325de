// One localization of a text: its tokens replaced by their values, and through the language the
// definitions those values come from, each localized in turn. The definitions are localized on
// an explicit stack of frames, so neither deep nesting nor a long chain of definitions grows the
// call stack.
#pragma once

#include "Language.h"

#include <unordered_set>
#include <vector>

namespace vandro {

class TokenExpansion {
  public:
    explicit TokenExpansion(Ref<TVellumLanguage> language) : language_(std::move(language)) {}

    // Far beyond any real text, small enough that a definition which doubles itself at every
    // level stops in a moment: the tokens one text may resolve, and the code units of the
    // definitions and values it may take in.
    static constexpr std::size_t kMaxTokens = 1 << 12;
    static constexpr std::size_t kMaxWork = 1 << 20;

    // The localized text, or "!ERROR!" when it would resolve or take in more than that.
    String Run(const String& text);

  private:
    // What becomes of a frame's text once it is localized.
    enum class Then { Answer, Insert, FormatTime, FormatDate };

    struct Frame {
        String text;
        Then then = Then::Insert;
        std::size_t pos = 0;
        // The previous "{" or "}" that could pair with the next; 0 for none.
        char16_t previous = 0;
        String out;
        // Positions in out right after each "{{" that is still open.
        std::vector<std::size_t> markers;
    };

    void Open(String text, Then then);
    void Deliver(String value, Then then);
    void Insert(const String& value);
    void Spend(std::size_t units);
    // Answers false when it stops to wait for a frame opened on top of it.
    bool Scan();
    void Resolve(const String& token);

    Ref<TVellumLanguage> language_;
    std::vector<Frame> frames_;
    // The cycle guard: the texts of the frames.
    std::unordered_set<String> open_;
    String answer_;
    std::size_t tokens_ = 0;
    std::size_t work_ = 0;
    bool overrun_ = false;
};

} // namespace vandro
