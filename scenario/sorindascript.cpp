// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT AND CC-BY-4.0

#include "scenario/sorinda.h"

// 百までかぞえて: the village's frightening tale of a wolf in the snow, and what really happened.
void Sorinda::loadScript()
{
    setRecord(0, 1, 1, -1, -1, QString::fromLatin1("これは北の村に昔からつたわる、こわいお話です。"));
    setRecord(1, 7, 1, -1, -1, QString::fromLatin1("雪のふる夜に、森へ入ってはいけない。おおかみにさらわれるから。"));
    setRecord(2, 7, 1, -1, -1, QString::fromLatin1("村の子どもは、そう教わります。"));
    setRecord(3, 7, 1, -1, -1, QString::fromLatin1("ふぶきの夜、赤いずきんの女の子が、おおかみにさらわれかけたのです。"));
    setRecord(4, 7, 1, -1, -1, QString::fromLatin1("おおかみは女の子をせおって、ふぶきの中を進みました。"));
    setRecord(5, 7, 1, -1, -1, QString::fromLatin1(
        "村の男たちが、たいまつをふって、追いはらいました。"));
    setRecord(6, 7, 0, -1, -1, QString::fromLatin1("おおかみは女の子を雪にほうりだすと、ひと声ほえて、森のおくへにげました。"));
    setRecord(7, 7, 0, -1, -1, QString::fromLatin1("村では「気をつけて！ おおかみが来る」が、冬のあいさつになりました。"));
    setRecord(8, 1, 0, -1, -1, QString::fromLatin1(
        "小春もこのお話を聞いて育ちました。\n"
        "ふぶきの夜は、ふとんの中でふるえました。"));
    setRecord(9, 1, 0, -1, -1, QString::fromLatin1(
        "おばあちゃんだけは、小さな小春にこっそり言いました。"
        "「ないしょよ！ あのお話には、つづきがあるの」"));
    setRecord(10, 0, 0, -1, -1, QString::fromLatin1(
        "雪の夜、森のはずれの家で、ストーブがぱちぱち鳴っています。"));
    setRecord(11, 0, 2, 9, -1, QString::fromLatin1("「ギン！ 来て！ 見せたいものがあるのよ」"));
    setRecord(12, 0, 0, 9, -1, QString::fromLatin1(
        "（この赤いずきんは、おばあちゃんが、"
        "さいごにくれたもの。ギンが見たら、なんて言うかな）"));
    setRecord(13, 0, 3, 9, 3, QString::fromLatin1("「うっ、赤いずきんか」"));
    setRecord(14, 0, 3, 9, 3, QString::fromLatin1("「あ！ いや！ こわい話を思い出してな」"));
    setRecord(15, 0, 3, 9, 3, QString::fromLatin1("「でも、じいさまの話は、すこしちがうんだ」"));
    setRecord(16, 0, 3, 9, 5, QString::fromLatin1("「ま、まて！ その赤いずきんは、まさか……」"));
    setRecord(17, 0, 1, 9, 5, QString::fromLatin1(
        "小春はずきんをそっとなでながら、"
        "やさしくうなずきました。二人は同じことを考えていたのです。"));
    setRecord(18, 1, 1, -1, -1, QString::fromLatin1(
        "その夜、二人はストーブの前で、おばあちゃんとじいさまから聞いてきたお話を、"
        "ひとつにつなぎあわせてみたのです。"));
    setRecord(19, 1, 0, -1, -1, QString::fromLatin1("すると、ふたつのお話が、ぴたりとつながったのです。"));
    setRecord(20, 1, 0, -1, -1, QString::fromLatin1(
        "それは、ちっともこわくなんかない、あたたかいお話でした。"));
    setRecord(21, 1, 0, -1, -1, QString::fromLatin1(
        "赤いずきんの女の子だった小春のおばあちゃんと、ギンのじいさまの、ほんとうのお話です。"));
    setRecord(22, 7, 0, -1, -1, QString::fromLatin1("60年前の冬。母さんがひどい病気に！ 女の子はくすり草をさがしに、ふぶきの森へ。"));
    setRecord(23, 7, 0, -1, -1, QString::fromLatin1(
        "雪にうもれかけた女の子を、おおかみが見つけました。"
        "「おい！ ねむるな！ 1から100までかぞえろ」"));
    setRecord(24, 7, 0, -1, -1, QString::fromLatin1(
        "女の子はおおかみのせなかにしがみついて、小声でかぞえました。1、2、"
        "3……10、20……おおかみはふかい雪をかきわけて、ずんずんと進みます。"));
    setRecord(25, 7, 0, -1, -1, QString::fromLatin1(
        "50をすぎると声がかすれ、80をすぎるとまぶたが重くなりました。"
        "それでも、おおかみの「もうすこしだ」にはげまされて、99までかぞえました。"));
    setRecord(26, 7, 0, -1, -1, QString::fromLatin1(
        "そしてちょうど百をかぞえたとき、ふぶきのむこうに、"
        "ぽつりぽつりと村の明かりが見えたのです。"));
    setRecord(27, 7, 0, -1, -1, QString::fromLatin1(
        "おおかみはほっとして、女の子をせおったまま、"
        "村の入り口まで歩いていきました。あとは、女の子の家の戸を、たたくだけです。"));
    setRecord(28, 7, 0, -1, -1, QString::fromLatin1(
        "ところが、村の男たちが「あっ！ おおかみだ！"
        " はなせ！」と、たいまつを手に、走ってきました。"));
    setRecord(29, 7, 0, -1, -1, QString::fromLatin1("おおかみは女の子をそっと雪におろして、森へもどりました。"));
    setRecord(30, 7, 0, -1, -1, QString::fromLatin1(
        "女の子は、おおかみが助けてくれたと何度も言いました。"
        "でも、だれも、しんじてくれません。"));
    setRecord(31, 7, 0, -1, -1, QString::fromLatin1("こうして、こわいお話だけが村にのこってしまったのです。"));
    setRecord(32, 7, 0, -1, -1, QString::fromLatin1(
        "けれど、その女の子だけは、あの夜のほんとうのことを、いつまでもおぼえていました。"));
    setRecord(33, 7, 0, -1, -1, QString::fromLatin1(
        "女の子は、毎年冬になると、森のはずれにランプをひとつ、ともしつづけました。"
        "「ありがとう」の明かりです。"));
    setRecord(34, 7, 0, -1, -1, QString::fromLatin1(
        "大人になっても、おばあさんになっても、60年間、ひと冬もやすまずに、"
        "その明かりはともりつづけたのです。"));
    setRecord(35, 7, 0, -1, -1, QString::fromLatin1(
        "年とったおおかみは、明かりを見ると「あっ！"
        " 今年も！ 今年もだ！」としっぽをふりました。"));
    setRecord(36, 7, 0, -1, -1, QString::fromLatin1(
        "そして、小さなまごのギンをよんでは、うれしそうに話して聞かせました。"
        "「ほら！ 見ろ、ギン！ あれが、ありがとうの明かりだよ」"));
    setRecord(37, 7, 0, -1, -1, QString::fromLatin1("まいごの小春を助けたのも、ギンでした。"));
    setRecord(38, 7, 0, -1, -1, QString::fromLatin1("今年の冬も、森のはずれの家のまどに、ランプがひとつ、ともっています。"));
    setRecord(39, 1, 0, -1, -1, QString::fromLatin1("おわり"));
}
