// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT AND CC-BY-4.0

#include "scenario/sorinda.h"

// 百までかぞえて: the village's frightening tale of a wolf in the snow, and what really happened.
void Sorinda::loadScript()
{
    setRecord(0, 1, 1, -1, -1, QString::fromLatin1(
        "これは、北の村に昔から伝わる、こわいお話です。"));
    setRecord(1, 7, 1, -1, -1, QString::fromLatin1(
        "雪のふる夜に、森へ入ってはいけない。狼にさらわれてしまうから。"));
    setRecord(2, 7, 1, -1, -1, QString::fromLatin1("村の子どもは、そう教わります。"));
    setRecord(3, 7, 1, -1, -1, QString::fromLatin1(
        "むかし、ふぶきの夜に赤い頭巾の女の子が、狼にさらわれかけたのです。"));
    setRecord(4, 7, 1, -1, -1, QString::fromLatin1(
        "狼は女の子を背中にのせて、雪の野原を走っていました。"));
    setRecord(5, 7, 1, -1, -1, QString::fromLatin1(
        "村の男たちが、たいまつをふって、追いはらいました。"));
    setRecord(6, 7, 0, -1, -1, QString::fromLatin1(
        "狼は女の子を雪にほうりだすと、ひと声ほえて、森の奥へとにげていきました。"));
    setRecord(7, 7, 0, -1, -1, QString::fromLatin1(
        "それからは「狼に気をつけろ!」が、この村の冬のあいさつになりました。"));
    setRecord(8, 1, 0, -1, -1, QString::fromLatin1(
        "小春もこのお話を聞いて育ちました。\n"
        "ふぶきの夜は、ふとんの中でふるえました。"));
    setRecord(9, 1, 0, -1, -1, QString::fromLatin1(
        "けれど、おばあちゃんだけは、小春が5つのころから「あのお話には、つづきがあるの」"
        "と言っていました。"));
    setRecord(10, 0, 0, -1, -1, QString::fromLatin1(
        "雪の夜、森のはずれの家で、ストーブがぱちぱち鳴っています。"));
    setRecord(11, 0, 2, 9, -1, QString::fromLatin1("「ねえ、ギン。60年前のお話を知ってる？」"));
    setRecord(12, 0, 0, 9, -1, QString::fromLatin1(
        "（この赤い頭巾は、おばあちゃんが亡くなる前にくれたもの。ギンが見たら、なんて言うかな）"));
    setRecord(13, 0, 3, 9, 3, QString::fromLatin1("「ああ、こわい話だろ」"));
    setRecord(14, 0, 3, 9, 3, QString::fromLatin1("「あの話のせいで、60年も村に行けない」"));
    setRecord(15, 0, 3, 9, 3, QString::fromLatin1("「でも、じいさまは、ちがう話をしてくれた」"));
    setRecord(16, 0, 3, 9, 5, QString::fromLatin1("「ま、待て、小春。その赤い頭巾は、まさか!」"));
    setRecord(17, 0, 1, 9, 5, QString::fromLatin1(
        "小春は頭巾をそうっとなでながら、やさしくうなずきました。"
        "二人は同じことを考えていたのです。"));
    setRecord(18, 1, 1, -1, -1, QString::fromLatin1(
        "その夜、二人はストーブの前で、おばあちゃんとじいさまから聞いてきたお話を、"
        "ひとつにつなぎあわせてみたのです。"));
    setRecord(19, 1, 0, -1, -1, QString::fromLatin1(
        "すると、まったくちがうお話が、うかびあがりました。"));
    setRecord(20, 1, 0, -1, -1, QString::fromLatin1(
        "それは、ちっともこわくなんかない、あたたかいお話でした。"));
    setRecord(21, 1, 0, -1, -1, QString::fromLatin1(
        "赤い頭巾の女の子だった、小春のおばあちゃんと、ギンのじいさまの、ほんとうのお話です。"));
    setRecord(22, 7, 0, -1, -1, QString::fromLatin1(
        "60年前の冬。女の子は病気の母さんのために、3日もふぶきがつづく森へ入りました。"));
    setRecord(23, 7, 0, -1, -1, QString::fromLatin1(
        "雪にうもれかけた女の子を、大きな狼が見つけました。"
        "「ねむったらだめだ!　1から100まで数えろ!」"));
    setRecord(24, 7, 0, -1, -1, QString::fromLatin1(
        "女の子は狼の背中にしがみついて、小さな声で数をかぞえました。1、2、3……10、"
        "20……狼はひざまである雪をかきわけて、ずんずんと進みます。"));
    setRecord(25, 7, 0, -1, -1, QString::fromLatin1(
        "50をすぎると声がかすれ、80をすぎるとまぶたが重くなりました。それでも女の子は、"
        "狼の「もうすこしだ」にはげまされて、99まで数えました。"));
    setRecord(26, 7, 0, -1, -1, QString::fromLatin1(
        "そして、ちょうど百を数えたとき、ふぶきのむこうに、"
        "ぽつりぽつりと村の明かりが見えたのです。"));
    setRecord(27, 7, 0, -1, -1, QString::fromLatin1(
        "狼はほっとして、女の子を背中にのせたまま、村の入り口まで歩いていきました。あとはもう、"
        "女の子の家の戸をたたくだけです。"));
    setRecord(28, 7, 0, -1, -1, QString::fromLatin1(
        "ところが、村の男たちが「狼だ!　娘をはなせ!」とさけびながら、"
        "たいまつを手に走ってきました。"));
    setRecord(29, 7, 0, -1, -1, QString::fromLatin1(
        "狼は女の子をそっと雪におろして、森へもどっていきました。"));
    setRecord(30, 7, 0, -1, -1, QString::fromLatin1(
        "女の子は、狼が助けてくれたのだと何度も言いました。でも、だれも信じてくれませんでした。"));
    setRecord(31, 7, 0, -1, -1, QString::fromLatin1(
        "こうして、こわいお話だけが、村に残ってしまったのです。"));
    setRecord(32, 7, 0, -1, -1, QString::fromLatin1(
        "けれど、その女の子だけは、あの夜のほんとうのことを、いつまでもおぼえていました。"));
    setRecord(33, 7, 0, -1, -1, QString::fromLatin1(
        "女の子は、毎年冬になると、森のはずれにランプをひとつ、ともしつづけました。"
        "「ありがとう」の明かりです。"));
    setRecord(34, 7, 0, -1, -1, QString::fromLatin1(
        "大人になっても、おばあさんになっても、60年間、ひと冬もやすまずに、"
        "その明かりはともりつづけたのです。"));
    setRecord(35, 7, 0, -1, -1, QString::fromLatin1(
        "森の年老いた狼は、明かりを見つけるたびに、「今年も!　今年もだ!」としっぽをふりました。"));
    setRecord(36, 7, 0, -1, -1, QString::fromLatin1(
        "そして小さな孫の子狼をそばによんでは、いつもうれしそうに話して聞かせました。「見ろ、"
        "ギン!　あれは、ありがとうの明かりだ!」"));
    setRecord(37, 7, 0, -1, -1, QString::fromLatin1("子狼は、その明かりを忘れませんでした。"));
    setRecord(38, 7, 0, -1, -1, QString::fromLatin1(
        "今年の冬も、森のはずれの家の窓には、ランプがひとつ、ともっています。"));
    setRecord(39, 1, 0, -1, -1, QString::fromLatin1("おわり"));
}
