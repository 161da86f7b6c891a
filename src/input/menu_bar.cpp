#include "input/command_table.h"

namespace {

using K = MenuNode::Kind;

MenuNode Item(int id) { return {K::Item, id, "", {}}; }
MenuNode Separator() { return {K::Separator, 0, "", {}}; }
MenuNode Menu(const char* label, std::vector<MenuNode> children) { return {K::SubMenu, 0, label, std::move(children)}; }

// Items for ids first..last in order.
std::vector<MenuNode> Run(int first, int last) {
  std::vector<MenuNode> items;
  for (int id = first; id <= last; ++id) items.push_back(Item(id));
  return items;
}

std::vector<MenuNode> Join(std::initializer_list<std::vector<MenuNode>> parts) {
  std::vector<MenuNode> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

std::vector<MenuNode> BuildBar() {
  return {
      Menu("コントロール(&C)",
           {Item(32789), Separator(), Item(32771), Item(32772), Separator(), Item(32773), Item(32774),
            Item(32775), Separator(), Item(32776), Separator(), Item(32778), Item(32779), Item(32918),
            Item(32955), Separator(), Item(32777), Separator(), Item(kIdExit)}),
      Menu("オプション(&O)",
           {Menu("艇種 ",
                 {Item(32780), Item(32781), Item(32782), Separator(), Item(32786), Item(32787), Item(32788),
                  Separator(), Item(32971), Separator(), Item(32783), Item(32969), Item(32784), Separator(),
                  Item(32785), Item(32968),
                  // The skiff is listed a second time at the end.
                  Item(32788)}),
            Item(32790), Item(32830), Menu("難易度(15：難) ", Run(32791, 32805)), Separator(),
            Menu("セーリング ", Run(32806, 32809)),
            Menu("セーリングスキル ", Join({Run(32810, 32813), {Separator()}, Run(32814, 32817)})),
            Menu("レーススキル ", Join({Run(32818, 32820), {Separator(), Item(32821), Item(32966), Item(32822),
                                                           Item(32823)}})),
            Item(32824), Separator(), Menu("風", Run(32825, 32828)), Item(32829), Item(32917), Separator(),
            Item(32932), Item(32933), Separator(), Item(32952)}),
      Menu("シミュレータ速度(&S)",
           Join({Run(32831, 32840), Run(32958, 32962), {Separator(), Item(32956), Item(32957)}})),
      Menu("表示(&V)",
           {Item(32841), Item(32842), Separator(), Item(32846), Item(32845), Item(32847), Item(32848),
            Separator(), Item(32849), Separator(), Item(32850), Item(32851), Separator(), Item(32852),
            Item(32853), Separator(), Item(32930), Item(32931)}),
      Menu("メイン(&M)", Join({Run(32854, 32856), {Separator()}, Run(32857, 32859), {Separator()},
                              Run(32860, 32862), {Separator()}, Run(32863, 32865), {Separator()},
                              Run(32934, 32936), {Separator(), Item(32866)}})),
      Menu("リグ(&R)",
           Join({{Item(32867), Item(32868), Item(32954), Item(32869), Item(32870), Separator()},
                 Run(32871, 32873), {Separator()}, Run(32874, 32876), {Separator()}, Run(32877, 32878),
                 {Separator(), Item(32881), Item(32880), Item(32879)}})),
      Menu("ジブ(&J)", Join({Run(32882, 32885), {Separator()}, Run(32886, 32887), {Separator()},
                            Run(32888, 32890), {Separator()}, Run(32891, 32893), {Separator()},
                            Run(32894, 32896), {Separator()}, Run(32963, 32965)})),
      Menu("スピン(&N)", Join({Run(32897, 32898), {Separator()}, Run(32899, 32901), {Separator()},
                              Run(32902, 32904), {Separator()}, Run(32905, 32907)})),
      Menu("乗員(&P)", {Item(32908), Item(32909), Separator(), Item(32910), Item(32911), Separator(),
                        Item(32912), Separator(), Item(32913), Item(32915), Item(32916)}),
      Menu("ルール(&R)", Join({Run(32919, 32923), {Separator()}, Run(32924, 32926), {Separator()},
                              Run(32927, 32929)})),
      Menu("ヘルプ(&H)",
           {Item(32937), Item(32938), Item(32939), Item(32951), Separator(), Item(32940), Item(32941),
            Item(32942), Item(32943), Separator(), Item(32944), Item(32946), Item(32945), Separator(),
            Item(32947), Item(32970), Separator(), Item(32948), Item(32953), Separator(),
            Item(kIdStatusBar), Item(32950), Item(kIdAbout)}),
  };
}

}  // namespace

const std::vector<MenuNode>& MenuBar() {
  static const std::vector<MenuNode> bar = BuildBar();
  return bar;
}
