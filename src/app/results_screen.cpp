#include "app/results_screen.h"

#include <string>
#include <vector>

#include "draw/palette.h"
#include "scoring/scoring.h"
#include "state/world.h"

namespace {

void Text(const World& w, Canvas& c, int x, int y, const std::string& text, Color colour) {
  c.SetTextColor(palette::Ink(w, colour, palette::kBlack));
  c.TextOut(x, y, text);
}

void DrawScoreLines(const World& w, Canvas& c, int h) {
  constexpr int kLeft = 100;
  const ScoreSheet sheet = ComputeScoreSheet(w);
  int y = h + 50;
  for (const std::string& line : sheet.lines) {
    Text(w, c, kLeft, y, line, sheet.failed ? palette::kMaroon : palette::kBlack);
    y += h;
  }
  if (sheet.hasTotal && sheet.drawTotal) Text(w, c, kLeft, y + h / 2, sheet.totalLine, palette::kBlack);
}

void DrawSkillTable(const World& w, Canvas& c, int h) {
  constexpr int kLeft = 100;
  const SkillTable table = ComposeSkillTable(w);
  int y = w.ViewHeight / 4 + 3 * h;
  for (const std::string& line : table.sailing) {
    Text(w, c, kLeft, y, line, palette::kNavy);
    y += h;
  }
  y += h / 2;
  for (const std::string& line : table.racing) {
    Text(w, c, kLeft, y, line, palette::kBlue);
    y += h;
  }
}

void DrawLessonEnd(const World& w, Canvas& c, int h) {
  constexpr int kLeft = 100;
  const int y = w.ViewHeight / 4 + 3 * h;
  Text(w, c, kLeft, y, "教習終了           ", palette::kBlue);
  Text(w, c, kLeft, y + h, "次のセーリングはNを押す  ", palette::kBlue);
  Text(w, c, kLeft, y + 2 * h, "ｼﾐｭﾚｰｼｮﾝを終わる時はｺﾝﾄﾛｰﾙﾒﾆｭｰから終了を選ぶ            ", palette::kBlue);
}

}  // namespace

void DrawResults(const World& w, Canvas& c) {
  const int h = w.ViewWidth > 700 ? 20 : 16;
  c.FillRect(Rect{0, 0, w.ViewWidth, w.ViewHeight}, palette::kWhite);
  c.SetFont(FontRole::Normal);
  c.SetTextOpaque(true);
  c.SetBackColor(palette::kWhite);
  Text(w, c, w.ViewWidth / 3, 0, "****  結果   ****", palette::kNavy);
  DrawScoreLines(w, c, h);
  if (w.LessonIntroPending) {
    DrawLessonEnd(w, c, h);
  } else {
    DrawSkillTable(w, c, h);
  }
  Text(w, c, 5, w.ViewHeight - w.ViewHeight / 8,
       "次のセーリングはNを押すか、ｺﾝﾄﾛｰﾙﾒﾆｭｰから次のセーリングを選ぶ。終わる時は終了を選ぶ。   ", palette::kMaroon);
}
