// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT AND CC-BY-4.0

#include "scenario/tovane.h"

// 月夜のとおぼえ: the wedding night, a shy wolf hiding in his own house, and a howl to the moon.
void Tovane::loadScript()
{
    setRecord(0, 1, 2, -1, -1, QString::fromLatin1("「ギン？」"));
    setRecord(1, 1, 1, -1, -1, QString::fromLatin1(
        "婚礼の夜、小春は森のはずれの家にやって来ました。\n"
        "狼のギンのお嫁さんになるためです。\n"
        "けれど家の中は、まっ暗でした。"));
    setRecord(2, 1, 1, -1, -1, QString::fromLatin1(
        "小春は手さぐりでランプを見つけ、マッチをすって、火をつけました。"
        "部屋がぼうっと明るくなります。"));
    setRecord(3, 0, 2, -1, -1, QString::fromLatin1("「どこにいるの」"));
    setRecord(4, 0, 1, -1, 2, QString::fromLatin1(
        "そのときギンは、台所の戸だなのかげで、2つの耳までぴたりとふせて、"
        "じっとかくれていました。"));
    setRecord(5, 0, 1, -1, 2, QString::fromLatin1(
        "小春をこわがらせたくなかったのです。\n"
        "大きな口、するどいきば、金色に光る目。こんな顔を見たら、小春はきっとにげてしまう、"
        "とギンは思いました。"));
    setRecord(6, 1, 2, -1, -1, QString::fromLatin1("「火が……」"));
    setRecord(7, 0, 1, -1, 2, QString::fromLatin1(
        "すきま風が、ランプをふっと消したのです。小春が暗やみでふるえているのが、"
        "ギンにはよく見えました。"));
    setRecord(8, 0, 1, -1, 2, QString::fromLatin1(
        "ギンはそっと戸だなのかげから出ると、大きな前足で、ぎこちなく、マッチを一本すりました。"));
    setRecord(9, 0, 3, -1, 5, QString::fromLatin1("「うわっ、見るな！」"));
    setRecord(10, 0, 2, 4, 5, QString::fromLatin1("「あなたがギンね。こんばんは」"));
    setRecord(11, 0, 1, 4, 5, QString::fromLatin1(
        "ギンはあわてて顔をかくしました。\n"
        "けれど思いなおして、がばっと口をあけて、4本のきばを見せつけました。"));
    setRecord(12, 0, 2, 4, 4, QString::fromLatin1("「白い歯ね」"));
    setRecord(13, 0, 3, 4, 2, QString::fromLatin1("「にげろ」"));
    setRecord(14, 0, 1, 4, 2, QString::fromLatin1(
        "ギンはもう一度、ぐるる、と低くうなってみせました。\n"
        "けれど小春は、ふしぎそうに首をかしげました。"));
    setRecord(15, 0, 2, 10, 2, QString::fromLatin1("「どうしてわたしがにげるの？」"));
    setRecord(16, 0, 3, 10, 5, QString::fromLatin1("「お、おれは狼だぞ」"));
    setRecord(17, 0, 1, 10, 5, QString::fromLatin1(
        "小春はギンの顔をじっと見つめました。\n"
        "金色の目。大きな口。ふさふさの灰色の毛。"));
    setRecord(18, 0, 1, 10, 5, QString::fromLatin1(
        "ギンは、なんだかおちつきません。\n"
        "うしろで、しっぽがかってにゆれてしまいます。"));
    setRecord(19, 0, 1, 10, 5, QString::fromLatin1("小春は、やっぱり、と思いました。"));
    setRecord(20, 0, 2, 4, 0, QString::fromLatin1("「わたし、あなたを知ってるの」"));
    setRecord(21, 0, 1, 4, 0, QString::fromLatin1(
        "小さいころ、雪の森で迷子になった小春を、灰色の狼が、村の近くまで送ってくれたのでした。"));
    setRecord(22, 0, 3, 4, 5, QString::fromLatin1("「おまえ、あのときのちびか!」"));
    setRecord(23, 0, 1, 9, 4, QString::fromLatin1("ギンは思わず大きな声でわらいました。"));
    setRecord(24, 0, 2, 9, 4, QString::fromLatin1("「お礼が言いたくて」"));
    setRecord(25, 0, 3, 9, 5, QString::fromLatin1("「それで、狼の嫁に来たのか!」"));
    setRecord(26, 0, 1, 9, 3, QString::fromLatin1(
        "小春がうなずくと、ギンは耳まで赤くなって、ぷいっと横を向きました。"));
    setRecord(27, 0, 1, 9, 3, QString::fromLatin1(
        "あの冬から、もう8年。\n"
        "村の娘が狼のお嫁さんに来ると聞いたときから、ギンはうれしくて、こわくて、"
        "ちっとも眠れなかったのです。"));
    setRecord(28, 0, 2, 4, 3, QString::fromLatin1(
        "「かくれていたのは、わたしをこわがらせたくなかったから？」"));
    setRecord(29, 0, 1, 4, 3, QString::fromLatin1(
        "ギンはしばらく、もじもじしていましたが、\n"
        "やがて、こくりとうなずきました。それからひとつ大きく息をすって、"
        "まっすぐに小春の目を見つめました。"));
    setRecord(30, 0, 3, 4, 1, QString::fromLatin1("「小春、ひとつたのみがあるんだ」"));
    setRecord(31, 0, 1, 4, 1, QString::fromLatin1(
        "耳をぴんと立てたギンの声は、とてもまじめでした。"));
    setRecord(32, 0, 3, 4, 1, QString::fromLatin1(
        "「嫁をむかえた夜、狼は、丘で月にとおぼえをして、森じゅうに知らせるんだ」"));
    setRecord(33, 0, 1, 4, 0, QString::fromLatin1(
        "ギンはまどの外を見上げました。まんまるの月が、雪の森を明るくてらしています。"));
    setRecord(34, 0, 3, 4, 1, QString::fromLatin1("「おれは、とおぼえがへたなんだ」"));
    setRecord(35, 0, 1, 4, 1, QString::fromLatin1(
        "ギンはそう言うと、口をきゅっとむすびました。でも、目はそらしません。"));
    setRecord(36, 0, 2, 9, 0, QString::fromLatin1("「へいきよ」"));
    setRecord(37, 0, 1, 9, 0, QString::fromLatin1(
        "小春はギンの大きな前足を、両手でそっとつつみました。"
        "その毛は思っていたよりずっとやわらかくて、あたたかでした。"));
    setRecord(38, 0, 2, 5, 0, QString::fromLatin1("「行こう！」"));
    setRecord(39, 2, 1, -1, -1, QString::fromLatin1(
        "二人は雪をふんで、森のいちばん高い丘に登りました。\n"
        "空では、まるい月が、雪の丘をぎんいろにてらしています。"));
    setRecord(40, 2, 3, -1, -1, QString::fromLatin1("「よし。見ていてくれ」"));
    setRecord(41, 2, 1, -1, -1, QString::fromLatin1(
        "ギンは胸をはり、月に向かって口をひらきました。\n"
        "ところが出てきたのは、「キャン!」という子犬のような声。"));
    setRecord(42, 2, 3, -1, -1, QString::fromLatin1(
        "「……わらうなよ。子どものころから、ずっとこうなんだ」"));
    setRecord(43, 2, 1, -1, -1, QString::fromLatin1(
        "小春はわらいませんでした。\n"
        "ギンの背中を1度、2度となでて、にっこりしました。"));
    setRecord(44, 2, 2, -1, -1, QString::fromLatin1("「いっしょに」"));
    setRecord(45, 2, 1, -1, -1, QString::fromLatin1(
        "小春が先に、ギンがあとから、いっしょに声をあげました。\n"
        "アオオーン……\n"
        "\n"
        "ふたつの声はかさなって、月までとどきそうでした。"));
    setRecord(46, 2, 2, -1, -1, QString::fromLatin1("「聞こえる？　森じゅうがへんじしてる」"));
    setRecord(47, 2, 1, -1, -1, QString::fromLatin1(
        "遠くの山から、近くの谷から、仲間のとおぼえがかえってきます。\n"
        "おめでとう、おめでとう、と。"));
    setRecord(48, 0, 3, 9, 6, QString::fromLatin1("「ありがとうな、小春」"));
    setRecord(49, 0, 1, 9, 6, QString::fromLatin1(
        "今では、森のはずれの家に\n"
        "いつもランプがともっています。\n"
        "狼と、お嫁さんの家です。"));
    setRecord(50, 0, 1, 3, 6, QString::fromLatin1("おわり"));
}
