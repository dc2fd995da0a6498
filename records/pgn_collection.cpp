#include "records/pgn_collection.h"

#include <algorithm>

#include "records/pgn.h"

namespace zarvo {
namespace {

// Tags are shown in a list: longer values are cut, so that no file can make the list big.
constexpr size_t MAX_TAG_BYTES = 200;
constexpr size_t MAX_TOKEN_BYTES = 32;
constexpr size_t CHUNK_BYTES = 1 << 20;

bool symbol_char(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '+' ||
         c == '#' || c == '=' || c == ':' || c == '-' || c == '/';
}

bool is_result(std::string_view t) { return t == "1-0" || t == "0-1" || t == "1/2-1/2" || t == "*"; }

}  // namespace

void PgnIndexer::start_game() {
  in_game_ = true;
  moves_seen_ = false;
  depth_ = 0;
  game_ = PgnGameEntry{};
  game_.number = ++count_;
  game_.offset = line_offset_;
  game_.line = line_;
  token_result_.clear();
}

void PgnIndexer::end_game(std::uint64_t end) {
  if (!in_game_) return;
  in_game_ = false;
  game_.length = end - game_.offset;
  if (game_.result.empty() || game_.result == "?") game_.result = token_result_;
  if (game_.length > PGN_GAME_MAX_BYTES) game_.problem = std::string(PGN_GAME_TOO_BIG);
  each_(std::move(game_));
}

void PgnIndexer::end_token() {
  if (token_size_ == 0) return;
  const std::string_view t(token_, token_size_);
  token_size_ = 0;
  if (depth_ > 0) return;
  const unsigned char c = static_cast<unsigned char>(t[0]);
  if (c >= '0' && c <= '9' && !is_result(t) && t != "0-0" && t != "0-0-0") return;  // a move number or a NAG's digits
  // Shorter is no move: the "e" and "p" of "e.p."
  if (t.size() < 2 && !is_result(t)) return;
  // Moves after a result begin a game that has no tags.
  if (in_game_ && !token_result_.empty() && !is_result(t)) end_game(line_offset_);
  if (!in_game_) start_game();
  moves_seen_ = true;
  if (is_result(t)) {
    token_result_ = std::string(t);
  } else {
    ++game_.plies;
  }
}

void PgnIndexer::take_tag() {
  std::string* field = nullptr;
  if (tag_name_ == "White") field = &game_.white;
  if (tag_name_ == "Black") field = &game_.black;
  if (tag_name_ == "Result") field = &game_.result;
  if (tag_name_ == "Date") field = &game_.date;
  if (tag_name_ == "Event") field = &game_.event;
  if (field) *field = pgn_text_as_utf8(tag_value_);
}

void PgnIndexer::feed(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size(); ++i, ++pos_) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    // A byte-order mark says nothing about the games.
    if (pos_ < 3 && (c == 0xEF || c == 0xBB || c == 0xBF)) {
      line_offset_ = pos_ + 1;
      continue;
    }
    if (c == '\n' || c == '\r') {
      const bool second_half = c == '\n' && last_cr_;
      last_cr_ = c == '\r';
      if (!second_half) ++line_;
      line_blank_ = true;
      line_offset_ = pos_ + 1;
      if (mode_ == Mode::line_comment) mode_ = Mode::text;
      // A tag never spans lines: a broken one is left for the replay to name.
      if (mode_ != Mode::text && mode_ != Mode::brace) mode_ = Mode::text;
      end_token();
      continue;
    }
    last_cr_ = false;
    const bool at_line_start = line_blank_;
    if (c != ' ' && c != '\t') line_blank_ = false;
    switch (mode_) {
      case Mode::text:
        if (symbol_char(c)) {
          if (token_size_ < sizeof token_) token_[token_size_++] = static_cast<char>(c);
          continue;
        }
        end_token();
        if (c == '[' && at_line_start) {
          // The tags of the next game end this one, even one whose variation
          // was never closed: one broken game does not swallow the rest.
          depth_ = 0;
          if (moves_seen_) end_game(line_offset_);
          if (!in_game_) start_game();
          mode_ = Mode::tag_name;
          tag_name_.clear();
          tag_value_.clear();
        } else if (c == '{') {
          mode_ = Mode::brace;
        } else if (c == ';' || (c == '%' && at_line_start)) {
          mode_ = Mode::line_comment;
        } else if (c == '(') {
          ++depth_;
        } else if (c == ')') {
          depth_ = std::max(0, depth_ - 1);
        } else if (c == '*' && depth_ == 0) {
          token_[0] = '*';
          token_size_ = 1;
          end_token();
        }
        break;
      case Mode::tag_name:
        if (c == '"') {
          mode_ = Mode::tag_value;
        } else if (c != ' ' && c != '\t' && tag_name_.size() < MAX_TOKEN_BYTES) {
          tag_name_ += static_cast<char>(c);
        }
        break;
      case Mode::tag_value:
        if (c == '\\') {
          mode_ = Mode::tag_escape;
        } else if (c == '"') {
          take_tag();
          mode_ = Mode::tag_close;
        } else if (tag_value_.size() < MAX_TAG_BYTES) {
          tag_value_ += static_cast<char>(c);
        }
        break;
      case Mode::tag_escape:
        if (tag_value_.size() < MAX_TAG_BYTES) tag_value_ += static_cast<char>(c);
        mode_ = Mode::tag_value;
        break;
      case Mode::tag_close:
        if (c == ']') mode_ = Mode::text;
        break;
      case Mode::brace:
        if (c == '}') mode_ = Mode::text;
        break;
      case Mode::line_comment: break;
    }
  }
}

void PgnIndexer::finish() {
  end_token();
  end_game(pos_);
}

void index_pgn(std::istream& in, const std::function<void(PgnGameEntry&&)>& each) {
  PgnIndexer indexer(each);
  std::string buffer(CHUNK_BYTES, '\0');
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    indexer.feed(std::string_view(buffer.data(), static_cast<size_t>(got)));
  }
  indexer.finish();
}

std::vector<PgnGameEntry> index_pgn(std::istream& in) {
  std::vector<PgnGameEntry> games;
  index_pgn(in, [&games](PgnGameEntry&& g) { games.push_back(std::move(g)); });
  return games;
}

bool read_pgn_game(std::istream& in, const PgnGameEntry& game, std::string& bytes) {
  if (game.length > PGN_GAME_MAX_BYTES) return false;
  in.clear();
  in.seekg(static_cast<std::streamoff>(game.offset));
  bytes.resize(static_cast<size_t>(game.length));
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return in.gcount() == static_cast<std::streamsize>(bytes.size());
}

}  // namespace zarvo
