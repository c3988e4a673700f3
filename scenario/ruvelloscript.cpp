// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT AND CC-BY-4.0

#include "scenario/ruvello.h"

// 山桜のころ: the wolf's secret morning walks, and the cherry tree on the summit.
void Ruvello::loadScript()
{
    setRecord(0, 0, 2, 6, 0, QString::fromLatin1("「おはよう！」"));
    setRecord(1, 0, 1, 6, 0, QString::fromLatin1(
        "春のはじめの、雲ひとつない朝でした。小春が戸を大きくあけると、"
        "あたたかな風といっしょに、小鳥たちの歌う声が、森の家いっぱいに流れこんできました。"));
    setRecord(2, 0, 1, 6, 0, QString::fromLatin1(
        "小春はおべんとうのつつみを見せて、「山へ、"
        "お花見に行きましょう」と、はずんだ声で言いました。"));
    setRecord(3, 0, 3, 6, 5, QString::fromLatin1(
        "「や、山はだめだ！　きょうは、ぜったいに、だめだ」"));
    setRecord(4, 0, 2, 1, 5, QString::fromLatin1("「どうして？　こんなにいいお天気なのに」"));
    setRecord(5, 0, 1, 1, 5, QString::fromLatin1(
        "ギンは、ぎくりとして耳をぴんと立てました。じつはこのところギンは、"
        "毎朝、小春が起きる前に、そっとどこかへ出かけていくのです。"));
    setRecord(6, 0, 1, 1, 2, QString::fromLatin1(
        "今朝も、ギンの足は朝つゆでしっとりぬれていました。"));
    setRecord(7, 0, 2, 1, 2, QString::fromLatin1("「毎朝、どこへ出かけているの？　山なの？」"));
    setRecord(8, 0, 2, 2, 2, QString::fromLatin1("「わたしには、ないしょにするの？」"));
    setRecord(9, 0, 1, 2, 2, QString::fromLatin1(
        "ギンはむっつりして前足を組んだまま、ひとことも答えません。"));
    setRecord(10, 0, 2, 3, 2, QString::fromLatin1("「ふふっ、一人で行くね！」"));
    setRecord(11, 0, 3, 2, 3, QString::fromLatin1("「待て、それはこまる」"));
    setRecord(12, 0, 2, 6, 3, QString::fromLatin1("「え」"));
    setRecord(13, 0, 1, 6, 3, QString::fromLatin1(
        "ギンは耳をぴくぴく動かして、もじもじするばかり。なにか、"
        "小春にはまだ言えない、ないしょのことがあるようです。"));
    setRecord(14, 0, 2, 9, 3, QString::fromLatin1("「いいのよ」"));
    setRecord(15, 0, 1, 9, 3, QString::fromLatin1(
        "ないしょなら、それでもいい！ 小春はそう思って、\n"
        "ギンのせなかを、やさしくなでてあげました。"));
    setRecord(16, 0, 2, 1, 3, QString::fromLatin1("「あ、あれ」"));
    setRecord(17, 0, 1, 1, 4, QString::fromLatin1(
        "戸口から、ひらりと何かがまいこんできました。\n"
        "うすもも色の花びらが一まい。\n"
        "ギンは、うれしそうにわらいました。"));
    setRecord(18, 0, 1, 1, 4, QString::fromLatin1(
        "山のてっぺんの、古い山桜がさいたのです。"
        "一年に三日しかさかないその桜を、ギンは毎朝、見に行っていたのでした。"));
    setRecord(19, 0, 2, 9, 4, QString::fromLatin1("「さいたのね」"));
    setRecord(20, 0, 1, 9, 4, QString::fromLatin1("早く小春に見せたくて、ギンは、もう戸口へかけだしていきました。"));
    setRecord(21, 0, 2, 4, 2, QString::fromLatin1("「ねえ」"));
    setRecord(22, 0, 1, 4, 2, QString::fromLatin1("山は、遠い。ギンは、顔をしかめました。"));
    setRecord(23, 0, 2, 6, 2, QString::fromLatin1("「がんばって歩くからへいきよ」"));
    setRecord(24, 0, 3, 6, 3, QString::fromLatin1("「のれ」"));
    setRecord(25, 0, 1, 6, 3, QString::fromLatin1("小春はギンの広いせなかにとびのりました。"));
    setRecord(26, 3, 3, -1, -1, QString::fromLatin1("「しっかりつかまってろ。とばすぞ」"));
    setRecord(27, 3, 2, -1, -1, QString::fromLatin1("「ぎゅうっ！」"));
    setRecord(28, 3, 3, -1, -1, QString::fromLatin1("「どうだ、はやいだろ」"));
    setRecord(29, 3, 1, -1, -1, QString::fromLatin1(
        "ギンは森の小道を、風のようにかけました。\n"
        "わかばが、木もれ日が、小鳥の声が、小春のうしろへ、どんどん流れていきます。"));
    setRecord(30, 3, 3, -1, -1, QString::fromLatin1("「ほら、あそこだ。あの山のてっぺん」"));
    setRecord(31, 3, 3, -1, -1, QString::fromLatin1("「もうすこしだぞ」"));
    setRecord(32, 3, 1, -1, -1, QString::fromLatin1(
        "けれど山道は、だんだんとけわしく、細くなっていきます。"));
    setRecord(33, 4, 2, -1, -1, QString::fromLatin1(
        "「ギン、この川ですこし休みましょうよ。あなたの息、ぜいぜいしてるもの」"));
    setRecord(34, 4, 3, -1, -1, QString::fromLatin1("「なんのこれしき」"));
    setRecord(35, 4, 2, -1, -1, QString::fromLatin1(
        "「ねえ、おばあちゃんがね、よく言ってたの。\n"
        "いっしょに山桜を見た二人は、ずうっといっしょに、"
        "いられるんだって。だから、とってもうれしいの」"));
    setRecord(36, 4, 1, -1, -1, QString::fromLatin1(
        "ギンは何も言わずに、川の水をぺろりとなめました。でも、しっぽはぱたぱたと、"
        "うれしそうに石をたたいています。"));
    setRecord(37, 4, 3, -1, -1, QString::fromLatin1("「……おれもだよ。さあ、もう行くぞ」"));
    setRecord(38, 4, 3, -1, -1, QString::fromLatin1(
        "「のぼりきったら、いちばんきれいなものを見せてやる」"));
    setRecord(39, 5, 1, -1, -1, QString::fromLatin1(
        "山のてっぺんに、その桜は立っていました。\n"
        "空いっぱいにえだを広げ、かぞえきれない花を、"
        "のこらずさかせています。二人は、ただ、見上げるばかりでした。"));
    setRecord(40, 6, 1, -1, -1, QString::fromLatin1(
        "そのとき、山の風がさあっとふきぬけました。\n"
        "何千何万という花びらがいっせいにまいあがり、\n"
        "二人をすっぽりつつみこみます。"));
    setRecord(41, 6, 1, -1, -1, QString::fromLatin1("ギンのはい色の毛は、花びらでうすもも色になりました。"));
    setRecord(42, 6, 2, -1, -1, QString::fromLatin1("「わあ！」"));
    setRecord(43, 0, 2, 9, 0, QString::fromLatin1("「ただいま。桜の下のおべんとう、おいしかったね」"));
    setRecord(44, 0, 3, 9, 6, QString::fromLatin1("「来年も、その次の年も、見に行こう」"));
    setRecord(45, 0, 1, 9, 6, QString::fromLatin1("ギンは、花びらを小春のかみにかざりました。"));
    setRecord(46, 0, 2, 11, 6, QString::fromLatin1("「ぜったいよ」"));
    setRecord(47, 0, 2, 11, 6, QString::fromLatin1("「やくそくね」"));
    setRecord(48, 0, 2, 3, 6, QString::fromLatin1("「来年はわたしがおぶるね」"));
    setRecord(49, 0, 2, 3, 6, QString::fromLatin1("（……やっぱりむりかも）"));
    setRecord(50, 0, 1, 3, 6, QString::fromLatin1("おわり"));
}
