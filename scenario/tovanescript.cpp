// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT AND CC-BY-4.0

#include "scenario/tovane.h"

// 月夜のとおぼえ: the wedding night, a shy wolf hiding in his own house, and a howl to the moon.
void Tovane::loadScript()
{
    setRecord(0, 1, 2, -1, -1, QString::fromLatin1("「ギン？」"));
    setRecord(1, 1, 1, -1, -1, QString::fromLatin1(
        "冬の夜、小春は森のはずれの家に来ました。\n"
        "おおかみのギンのおよめさんになるのです。\n"
        "けれど家の中は、まっくらでした。"));
    setRecord(2, 1, 1, -1, -1, QString::fromLatin1(
        "まっくらな中、小春は手さぐりでランプをさがしあてると、"
        "マッチをすって、そうっと火をつけました。"));
    setRecord(3, 0, 2, -1, -1, QString::fromLatin1("「どこにいるの」"));
    setRecord(4, 0, 1, -1, 2, QString::fromLatin1(
        "そのころギンは……なんと！ 台所の戸だなのかげで、"
        "体をかたくして、じっとかくれていました。"));
    setRecord(5, 0, 1, -1, 2, QString::fromLatin1(
        "ギンは、しかめっつらで考えこんでいました。\n"
        "大きな口、するどいきば、金色に光る目。"
        "こんなこわい顔を見たら、小春はきっと、にげてしまうだろう。"));
    setRecord(6, 1, 2, -1, -1, QString::fromLatin1("「火が……」"));
    setRecord(7, 0, 1, -1, 2, QString::fromLatin1(
        "すきま風が、ランプの火をふっと消してしまったのです。"
        "でも、すぐにまた、ぽうっと火がともりました。"));
    setRecord(8, 0, 1, -1, 2, QString::fromLatin1(
        "マッチをすったのは、ギンでした。"
        "こわい顔をしたまま、大きな前足で、ぎこちなく、そっと。"));
    setRecord(9, 0, 3, -1, 5, QString::fromLatin1("「うわっ、見るな！」"));
    setRecord(10, 0, 2, 4, 5, QString::fromLatin1("「あなたがギンね。こんばんは」"));
    setRecord(11, 0, 1, 4, 5, QString::fromLatin1(
        "見られた！ ギンはあわてて顔をかくしました。\n"
        "そうだ、きばを見せよう。そうすれば小春は村へ帰るだろう。"));
    setRecord(12, 0, 2, 4, 4, QString::fromLatin1("「白い歯ね」"));
    setRecord(13, 0, 3, 4, 2, QString::fromLatin1("「にげろ」"));
    setRecord(14, 0, 1, 4, 2, QString::fromLatin1(
        "ギンは目をほそめて、ぐるるる、とひくくうなりました。\n"
        "でも小春は、にげずに、じっと聞いています。"));
    setRecord(15, 0, 2, 10, 2, QString::fromLatin1("「どうしてわたしがにげるの？」"));
    setRecord(16, 0, 3, 10, 5, QString::fromLatin1("「お、おおかみだぞ」"));
    setRecord(17, 0, 1, 10, 5, QString::fromLatin1(
        "小春はギンの顔を、じっと見ました。\n"
        "金色の目。大きな口。ふさふさのはい色の毛。"));
    setRecord(18, 0, 1, 10, 5, QString::fromLatin1(
        "見つめられて、ギンはどきっとしました。\n"
        "しっぽの毛まで、ぴいんと立っています。"));
    setRecord(19, 0, 1, 10, 5, QString::fromLatin1("（この目、どこかで見たような？）"));
    setRecord(20, 0, 2, 4, 0, QString::fromLatin1("「わたし、あなたを知ってるの」"));
    setRecord(21, 0, 1, 4, 0, QString::fromLatin1(
        "小さいころ、雪の森でまいごになった小春を、"
        "はい色のおおかみが村まで送ってくれたのです。"));
    setRecord(22, 0, 3, 4, 5, QString::fromLatin1("「あっ！ あのときのちびか！」"));
    setRecord(23, 0, 1, 9, 4, QString::fromLatin1("ギンは思わず大きな声でわらいました。"));
    setRecord(24, 0, 2, 9, 4, QString::fromLatin1("「お礼が言いたくて」"));
    setRecord(25, 0, 3, 9, 5, QString::fromLatin1("「えっ！ それで、およめに？」"));
    setRecord(26, 0, 1, 9, 3, QString::fromLatin1("小春がうなずくと、ギンはほっぺを赤くして、ぷいっと横を向きました。"));
    setRecord(27, 0, 1, 9, 3, QString::fromLatin1(
        "あのちびが、おれのおよめさんに！ ギンには、ゆめのようでした。\n"
        "およめさんが来ると聞いてから、ちっともねむれなかったのです。"));
    setRecord(28, 0, 2, 4, 3, QString::fromLatin1(
        "「かくれていたのは、わたしをこわがらせたくなかったから？」"));
    setRecord(29, 0, 1, 4, 3, QString::fromLatin1(
        "ギンは、もじもじしていましたが、\n"
        "やがて、こくりとうなずきました。はずかしくて、"
        "小春が見られません。それでも、息をすって、口をひらきました。"));
    setRecord(30, 0, 3, 4, 1, QString::fromLatin1("「小春、ひとつたのみがあるんだ」"));
    setRecord(31, 0, 1, 4, 1, QString::fromLatin1(
        "耳をぴんと立てたギンの声は、とてもまじめでした。"));
    setRecord(32, 0, 3, 4, 1, QString::fromLatin1("「およめさんが来た夜、おかで月にとおぼえをして、森じゅうに知らせるんだ」"));
    setRecord(33, 0, 1, 4, 0, QString::fromLatin1("ギンが戸をそうっとあけると、まんまるのお月さまが、雪の森をてらしていました。"));
    setRecord(34, 0, 3, 4, 1, QString::fromLatin1("「おれは、とおぼえがへたなんだ」"));
    setRecord(35, 0, 1, 4, 1, QString::fromLatin1(
        "ギンはそう言うと、口をきゅっとむすびました。でも、目はそらしません。"));
    setRecord(36, 0, 2, 9, 0, QString::fromLatin1("「へいきよ」"));
    setRecord(37, 0, 1, 9, 0, QString::fromLatin1(
        "小春はギンの大きな前足を、両手でそっとつつみました。"
        "その毛は思っていたよりずっとやわらかくて、あたたかでした。"));
    setRecord(38, 0, 2, 5, 0, QString::fromLatin1("「行こう！」"));
    setRecord(39, 2, 1, -1, -1, QString::fromLatin1(
        "二人は雪をふんで、森のいちばん高いおかに登りました。\n"
        "空のまるい月が、雪のおかをぎんいろにてらしています。"));
    setRecord(40, 2, 3, -1, -1, QString::fromLatin1("「よし。見ていてくれ」"));
    setRecord(41, 2, 1, -1, -1, QString::fromLatin1(
        "ギンはむねをはって、月に向かって口をひらきました。\n"
        "ところが、出てきたのは……キャン！ 子犬のような声。"));
    setRecord(42, 2, 3, -1, -1, QString::fromLatin1(
        "「……わらうなよ。子どものころから、ずっとこうなんだ」"));
    setRecord(43, 2, 1, -1, -1, QString::fromLatin1(
        "小春はわらいませんでした。\n"
        "ギンのせなかをぽん！ ぽん！ とたたいて、にこっ。"));
    setRecord(44, 2, 2, -1, -1, QString::fromLatin1("「いっしょに」"));
    setRecord(45, 2, 1, -1, -1, QString::fromLatin1(
        "小春が先に、ギンがあとから、いっしょに声をあげました。\n"
        "アオオーン……\n"
        "\n"
        "ふたつの声はかさなって、月までとどきそうでした。"));
    setRecord(46, 2, 2, -1, -1, QString::fromLatin1("「聞こえる？　森じゅうがへんじしてる」"));
    setRecord(47, 2, 1, -1, -1, QString::fromLatin1(
        "遠くの山から、近くの谷から、なかまのとおぼえが、かえります。\n"
        "おめでとう、おめでとう、と。"));
    setRecord(48, 0, 3, 9, 6, QString::fromLatin1("「ありがとうな、小春」"));
    setRecord(49, 0, 1, 9, 6, QString::fromLatin1(
        "森のはずれの家に、\n"
        "いつもランプがともっています。\n"
        "おおかみとおよめさんの家です。"));
    setRecord(50, 0, 1, 3, 6, QString::fromLatin1("おわり"));
}
