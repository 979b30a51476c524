<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Equipment</name>
    <message>
        <source>折れそうなバット</source>
        <translation>Flimsy Bat</translation>
    </message>
    <message>
        <source>ノーマルな服</source>
        <translation>Plain Clothes</translation>
    </message>
    <message>
        <source>丈夫な木刀</source>
        <translation>Sturdy Wooden Sword</translation>
    </message>
    <message>
        <source>さびた鉄パイプ</source>
        <translation>Rusty Iron Pipe</translation>
    </message>
    <message>
        <source>特売のヌンチャク</source>
        <translation>Bargain Nunchaku</translation>
    </message>
    <message>
        <source>職人の鉄扇</source>
        <translation>Master-Made Iron Fan</translation>
    </message>
    <message>
        <source>稲妻のトンファー</source>
        <translation>Lightning Tonfa</translation>
    </message>
    <message>
        <source>伝説の物干し竿</source>
        <translation>Legendary Laundry Pole</translation>
    </message>
    <message>
        <source>光るキーボード</source>
        <translation>Glowing Keyboard</translation>
    </message>
    <message>
        <source>厚手のジャージ</source>
        <translation>Thick Tracksuit</translation>
    </message>
    <message>
        <source>段ボールの鎧</source>
        <translation>Cardboard Armour</translation>
    </message>
    <message>
        <source>剣道の防具</source>
        <translation>Kendo Armour</translation>
    </message>
    <message>
        <source>特製ライダースーツ</source>
        <translation>Custom Biker Suit</translation>
    </message>
    <message>
        <source>鋼の道着</source>
        <translation>Steel Gi</translation>
    </message>
</context>
<context>
    <name>kobu::AllocationWindow</name>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>能力値振り分け</source>
        <translation>Spend Ability Points</translation>
    </message>
    <message>
        <source>能力値</source>
        <translation>Ability</translation>
    </message>
    <message>
        <source>現在</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>New</translation>
    </message>
    <message>
        <source>振り分け方</source>
        <translation>How to spend</translation>
    </message>
    <message>
        <source>左クリックをすると能力値がアップし、右クリックすると増えた能力値を訂正することができます。</source>
        <translation>Left-click a row to raise it; right-click to take back a raise.</translation>
    </message>
    <message>
        <source>残り振り分けポイント</source>
        <translation>Points left</translation>
    </message>
    <message>
        <source>ＯＫ！</source>
        <translation>OK!</translation>
    </message>
    <message>
        <source>上限です</source>
        <translation>Limit reached</translation>
    </message>
    <message>
        <source>ポイントを使い切っています</source>
        <translation>No points left</translation>
    </message>
    <message>
        <source>現在値を下回っています</source>
        <translation>Cannot go below the current value</translation>
    </message>
    <message>
        <source>これ以上下げられません</source>
        <translation>Cannot go any lower</translation>
    </message>
    <message>
        <source>これ以上あげられません</source>
        <translation>Cannot go any higher</translation>
    </message>
    <message>
        <source>これ以上さげられません</source>
        <translation>Cannot go any lower</translation>
    </message>
    <message>
        <source>これでよろしいですか？</source>
        <translation>Is this all right?</translation>
    </message>
    <message>
        <source>お～け～？</source>
        <translation>Okey-dokey?</translation>
    </message>
    <message>
        <source>HP</source>
        <translation>HP</translation>
    </message>
    <message>
        <source>攻撃A</source>
        <translation>Attack A</translation>
    </message>
    <message>
        <source>攻撃B</source>
        <translation>Attack B</translation>
    </message>
    <message>
        <source>防御A</source>
        <translation>Defence A</translation>
    </message>
    <message>
        <source>防御B</source>
        <translation>Defence B</translation>
    </message>
    <message>
        <source>スピード</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>右矢印で上げる、左矢印で戻す、上下矢印で行を選ぶ、Enterで決定</source>
        <translation>Right arrow raises, left arrow takes a raise back, up and down arrows choose a row, Enter confirms</translation>
    </message>
    <message>
        <source>残り振り分けポイント %1</source>
        <translation>Points left: %1</translation>
    </message>
    <message>
        <source>%1 %2、残り %3</source>
        <translation>%1 %2, %3 points left</translation>
    </message>
</context>
<context>
    <name>kobu::BattleWindow</name>
    <message>
        <source>%1回戦</source>
        <translation>Round %1</translation>
    </message>
    <message>
        <source>ｗキーで技能を使う</source>
        <translation>W key: use a skill</translation>
    </message>
    <message>
        <source>試合開始</source>
        <translation>Fight!</translation>
    </message>
    <message>
        <source>逃げるな</source>
        <translation>No running away!</translation>
    </message>
    <message>
        <source>臆病者め！</source>
        <translation>Coward!</translation>
    </message>
    <message>
        <source>技能を使用中です</source>
        <translation>A skill is already in use</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>1回目%1</source>
        <translation>1st: %1</translation>
    </message>
    <message>
        <source>1回目%1
2回目%2</source>
        <translation>1st: %1
2nd: %2</translation>
    </message>
    <message>
        <source>負け</source>
        <translation>You lost…</translation>
    </message>
    <message>
        <source>あなたの勝利です♪</source>
        <translation>You win♪</translation>
    </message>
    <message>
        <source>ゲームクリアー</source>
        <translation>You beat the game!</translation>
    </message>
    <message>
        <source>金持ちすぎ・・・・</source>
        <translation>Way too rich…</translation>
    </message>
    <message>
        <source>金持ちすぎなんじゃ！</source>
        <translation>Nobody needs that much money!</translation>
    </message>
    <message>
        <source>スピード勝ち</source>
        <translation>Faster!</translation>
    </message>
    <message>
        <source>スピード負け</source>
        <translation>Too slow!</translation>
    </message>
    <message>
        <source>スピードドロー</source>
        <translation>Dead heat!</translation>
    </message>
    <message>
        <source>プレイヤー勝利</source>
        <translation>You win the exchange!</translation>
    </message>
    <message>
        <source>プレイヤー負け</source>
        <translation>You lose the exchange!</translation>
    </message>
    <message>
        <source>ドロー</source>
        <translation>Draw!</translation>
    </message>
    <message>
        <source>相手に%1のダメージ</source>
        <translation>%1 damage to the opponent</translation>
    </message>
    <message>
        <source>あなたに%1のダメージ</source>
        <translation>%1 damage to you</translation>
    </message>
    <message>
        <source>HPが%1回復</source>
        <translation>%1 HP healed</translation>
    </message>
    <message>
        <source>あなたの数</source>
        <translation>Your number</translation>
    </message>
    <message>
        <source>相手の数</source>
        <translation>Opponent&apos;s number</translation>
    </message>
    <message>
        <source>あなたのHP %1、相手のHP %2</source>
        <translation>Your HP %1, opponent&apos;s HP %2</translation>
    </message>
    <message>
        <source>あなたの数 %1</source>
        <translation>Your number: %1</translation>
    </message>
    <message>
        <source>相手の数 %1</source>
        <translation>Opponent&apos;s number: %1</translation>
    </message>
</context>
<context>
    <name>kobu::EndingScenes</name>
    <message>
        <source>優勝した彼が賞金の袋を背負い、祝優勝ののぼりが並ぶ大会会場をあとにする</source>
        <translation>The champion leaves the tournament hall with the prize sack on his back, past banners that say CHAMPION</translation>
    </message>
    <message>
        <source>PCパーツ館の店先。特価ののぼりの横で自動ドアが開き、彼が入っていく</source>
        <translation>The front of the PC PARTS shop: beside a SALE banner the automatic door opens and he walks in</translation>
    </message>
    <message>
        <source>店の中。「全部ください！」と賞金を払い、カウンターにパーツの箱が積み上がる</source>
        <translation>Inside the shop: &quot;I&apos;ll take it all!&quot; He pays with the prize and boxes of parts pile up on the counter</translation>
    </message>
    <message>
        <source>夕焼けの道。彼がパーツの箱を抱えて「よいしょ」と家へ歩く</source>
        <translation>The road at sunset: he carries the boxes of parts home. &quot;Heave-ho&quot;</translation>
    </message>
    <message>
        <source>夕暮れのアパート、コブ荘。彼がドアを開けて「ただいまー！」</source>
        <translation>Kobu Manor, his apartment, at dusk: he opens the door. &quot;I&apos;m home!&quot;</translation>
    </message>
    <message>
        <source>夜のコブ荘。月と星の下、彼の部屋から音符が流れる</source>
        <translation>Kobu Manor at night: under the moon and stars, music drifts from his room</translation>
    </message>
    <message>
        <source>部屋でパーツの箱を開ける。「ピカピカだ…！」</source>
        <translation>In his room he unpacks the parts. &quot;So shiny…!&quot;</translation>
    </message>
    <message>
        <source>机のライトの下、説明書を見ながらドライバーで新しいPCを組み立てる</source>
        <translation>Under the desk lamp he builds the new PC with a screwdriver, the manual beside him</translation>
    </message>
    <message>
        <source>暗い部屋で電源を入れる。「ポチッ」「ピコーン！」と画面が光る</source>
        <translation>In the dark room he switches it on. &quot;Click&quot;, &quot;Bing!&quot;, and the screen lights up</translation>
    </message>
    <message>
        <source>完成した新しいPCの横で彼が「やったー！」と大喜び</source>
        <translation>Beside the finished PC he cheers: &quot;Hooray!&quot;</translation>
    </message>
    <message>
        <source>机に向かって新しいPCでゲームをする。「楽しい！」</source>
        <translation>At his desk he plays a game on the new PC. &quot;So fun!&quot;</translation>
    </message>
    <message>
        <source>夜の大会会場に「優勝！」</source>
        <translation>The tournament hall at night: CHAMPION!</translation>
    </message>
    <message>
        <source>PCの机に「新PC！」</source>
        <translation>The computer desk: NEW PC!</translation>
    </message>
    <message>
        <source>夜の町に「おつかれ！」</source>
        <translation>The town at night: GOOD JOB!</translation>
    </message>
    <message>
        <source>夕焼けの帰り道に大きな音符</source>
        <translation>A big musical note over the road home at sunset</translation>
    </message>
    <message>
        <source>リングの上に「最強！」</source>
        <translation>The ring: STRONGEST!</translation>
    </message>
    <message>
        <source>夜の部屋で彼がウインクして「感謝！」</source>
        <translation>In his room at night he winks: THANKS!</translation>
    </message>
    <message>
        <source>「おしまい」。紙吹雪の中で喜ぶ彼と新しいPC</source>
        <translation>THE END: he cheers in the confetti beside his new PC</translation>
    </message>
    <message>
        <source>スタッフ。企画、音楽、プログラム、テストプレイ、グラフィック：Kobusato チーム。スペシャルサンクス：プレイしてくれたあなた。Thank you for playing!</source>
        <translation>Staff. Concept, Music, Programming, Playtesting, Graphics: Team Kobusato. Special Thanks: You, the player. Thank you for playing!</translation>
    </message>
</context>
<context>
    <name>kobu::EndingWindow</name>
    <message>
        <source>エンディング</source>
        <translation>Ending</translation>
    </message>
    <message>
        <source>もう一度しますか</source>
        <translation>Play again?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>kobu::HelpMenu</name>
    <message>
        <source>遊び方(&amp;H)</source>
        <translation>&amp;How to Play</translation>
    </message>
    <message>
        <source>Kobusato について(&amp;A)</source>
        <translation>&amp;About Kobusato</translation>
    </message>
    <message>
        <source>一人で遊ぶ、小さな格闘トーナメントのゲームです。</source>
        <translation>A small single-player fighting-tournament game.</translation>
    </message>
    <message>
        <source>GNU 一般公衆利用許諾書のバージョン3、またはそれ以降のバージョン（GPL-3.0-or-later）のもとで配布されるフリーソフトウェアです。</source>
        <translation>Free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>プログラム、データ、音楽、絵など、このゲームのすべてはこのゲームのために作られました。</source>
        <translation>Everything in the game, from the code and the data to the music and the pictures, was made for it.</translation>
    </message>
    <message>
        <source>Kobusato バージョン %1</source>
        <translation>Kobusato version %1</translation>
    </message>
    <message>
        <source>Kobusato について</source>
        <translation>About Kobusato</translation>
    </message>
</context>
<context>
    <name>kobu::HelpWindow</name>
    <message>
        <source>遊び方</source>
        <translation>How to Play</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kobu::ItemsWindow</name>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>アイテム使用</source>
        <translation>Use Items</translation>
    </message>
    <message>
        <source>おいしい水道水</source>
        <translation>Tasty Tap Water</translation>
    </message>
    <message>
        <source>おいしい天然水</source>
        <translation>Tasty Spring Water</translation>
    </message>
    <message>
        <source>非人道的ソーダ</source>
        <translation>Inhumane Soda</translation>
    </message>
    <message>
        <source>個</source>
        <translation>left</translation>
    </message>
    <message>
        <source>使用</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>HPが５回復します。よろしいですか？</source>
        <translation>Restores 5 HP. All right?</translation>
    </message>
    <message>
        <source>HPが１５回復します。よろしいですか？</source>
        <translation>Restores 15 HP. All right?</translation>
    </message>
    <message>
        <source>HPが４０回復します。よろしいですか？</source>
        <translation>Restores 40 HP. All right?</translation>
    </message>
</context>
<context>
    <name>kobu::MainWindow</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規ゲーム(&amp;N)</source>
        <translation>&amp;New Game</translation>
    </message>
    <message>
        <source>すと～り～(&amp;S)</source>
        <translation>&amp;Story</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>終了してよろしいですか？</source>
        <translation>Really quit?</translation>
    </message>
    <message>
        <source>おわっちゃうの？</source>
        <translation>Leaving already?</translation>
    </message>
    <message>
        <source>終了しますか？</source>
        <translation>Quit?</translation>
    </message>
    <message>
        <source>ある日、相当な金をつぎ込んで組み立てたパソコンを破壊してしまった男がいた。</source>
        <translation>One day, a man wrecked the computer he had sunk a fortune into building.</translation>
    </message>
    <message>
        <source>新しいパソコンを組み立てようとしたが金がない</source>
        <translation>He wanted to build a new one, but he had no money left.</translation>
    </message>
    <message>
        <source>そんな時に、賞金50000Gという武道大会が開かれる</source>
        <translation>Just then, a martial-arts tournament was announced, with a prize of 50000 G.</translation>
    </message>
    <message>
        <source>男は金を手に入れるべく武道大会会場へ向かう･････</source>
        <translation>Set on winning that money, the man headed for the tournament…</translation>
    </message>
    <message>
        <source>このげ～むのすと～りぃ</source>
        <translation>Once Upon a Game…</translation>
    </message>
</context>
<context>
    <name>kobu::MusicPlayer</name>
    <message>
        <source>音楽</source>
        <translation>Music</translation>
    </message>
</context>
<context>
    <name>kobu::NameEntryWindow</name>
    <message>
        <source>名前を決めよう</source>
        <translation>Name Your Fighter</translation>
    </message>
    <message>
        <source>名前を決めてください。</source>
        <translation>Give him a name.</translation>
    </message>
    <message>
        <source>（４文字以内）</source>
        <translation>(4 letters max)</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>OK！</source>
        <translation>OK!</translation>
    </message>
    <message>
        <source>名前を入力してください！</source>
        <translation>Please enter a name!</translation>
    </message>
    <message>
        <source>えら～</source>
        <translation>Oopsie!</translation>
    </message>
</context>
<context>
    <name>kobu::NewGame</name>
    <message>
        <source>終了してもよろしいですか？</source>
        <translation>End the game in progress?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>kobu::Opponent</name>
    <message>
        <source>対戦相手の記録の長さが正しくありません。</source>
        <translation>An opponent record has the wrong length.</translation>
    </message>
    <message>
        <source>対戦相手のデータ（Enemy.dat）に第%1回戦の相手がいないため、試合を始められません。</source>
        <translation>The opponents&apos; data (Enemy.dat) has no opponent for round %1, so the match cannot start.</translation>
    </message>
    <message>
        <source>対戦相手のデータ（Enemy.dat）を読めないため、試合を始められません。</source>
        <translation>The opponents&apos; data (Enemy.dat) cannot be read, so the match cannot start.</translation>
    </message>
</context>
<context>
    <name>kobu::PowerUpWindow</name>
    <message>
        <source>パワーアップアイテム</source>
        <translation>Power-Up Items</translation>
    </message>
    <message>
        <source>買うものをクリックしてください。</source>
        <translation>Click what you want to buy.</translation>
    </message>
    <message>
        <source>パワーカプセル</source>
        <translation>Power Capsule</translation>
    </message>
    <message>
        <source>マッスルドリンク</source>
        <translation>Muscle Drink</translation>
    </message>
    <message>
        <source>ディフェンスドラッグ</source>
        <translation>Defence Drug</translation>
    </message>
    <message>
        <source>所持金</source>
        <translation>G</translation>
    </message>
    <message>
        <source>メニューへ</source>
        <translation>Back to Shop</translation>
    </message>
    <message>
        <source>ドーピングしすぎ</source>
        <translation>Too much doping!</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>金がないなら帰れ</source>
        <translation>No money? Then go home!</translation>
    </message>
    <message>
        <source>%1を買います。よろしいですか？</source>
        <translation>Buy the %1?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>有難うございました</source>
        <translation>Thank you kindly!</translation>
    </message>
</context>
<context>
    <name>kobu::RecoveryItemsWindow</name>
    <message>
        <source>回復アイテム</source>
        <translation>Recovery Items</translation>
    </message>
    <message>
        <source>いくつ買いますか？</source>
        <translation>How many?</translation>
    </message>
    <message>
        <source>所持金</source>
        <translation>G</translation>
    </message>
    <message>
        <source>おいしい水道水</source>
        <translation>Tasty Tap Water</translation>
    </message>
    <message>
        <source>２０Ｇ     ×</source>
        <translation>20 G     ×</translation>
    </message>
    <message>
        <source>おいしい天然水</source>
        <translation>Tasty Spring Water</translation>
    </message>
    <message>
        <source>５０Ｇ     ×</source>
        <translation>50 G     ×</translation>
    </message>
    <message>
        <source>非人道的ソーダ</source>
        <translation>Inhumane Soda</translation>
    </message>
    <message>
        <source>１００Ｇ   ×</source>
        <translation>100 G   ×</translation>
    </message>
    <message>
        <source>OK！</source>
        <translation>OK!</translation>
    </message>
    <message>
        <source>個数には０以上の整数を入力してください</source>
        <translation>Enter a whole number, 0 or more, for each amount.</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>何も買わないんやったら帰れ！！</source>
        <translation>Not buying anything? Then get out!!</translation>
    </message>
    <message>
        <source>罪なる行為</source>
        <translation>A Sinful Act</translation>
    </message>
    <message>
        <source>所持金が足りません</source>
        <translation>Not enough money</translation>
    </message>
    <message>
        <source>合計金額は%1Gです。よろしいですか？</source>
        <translation>That comes to %1 G. All right?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>kobu::SecretCodeWindow</name>
    <message>
        <source>裏技コード！</source>
        <translation>Secret Code!</translation>
    </message>
    <message>
        <source>裏技コードを入力してください！</source>
        <translation>Enter a secret code!</translation>
    </message>
    <message>
        <source>裏技コード</source>
        <translation>Secret code</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>コードが違います</source>
        <translation>Wrong code</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>コードが違います？</source>
        <translation>Wrong code?</translation>
    </message>
    <message>
        <source>エラ～</source>
        <translation>Whoops!</translation>
    </message>
    <message>
        <source>コードが違います～</source>
        <translation>Nope, still the wrong code!</translation>
    </message>
    <message>
        <source>えら～</source>
        <translation>Oopsie!</translation>
    </message>
</context>
<context>
    <name>kobu::ShopWindow</name>
    <message>
        <source>店</source>
        <translation>Shop</translation>
    </message>
    <message>
        <source>武器のアップグレート</source>
        <translation>Upgrade Weapon</translation>
    </message>
    <message>
        <source>防具のアップグレート</source>
        <translation>Upgrade Armour</translation>
    </message>
    <message>
        <source>回復アイテム</source>
        <translation>Recovery Items</translation>
    </message>
    <message>
        <source>パワーアップアイテム？</source>
        <translation>Power-Up Items</translation>
    </message>
    <message>
        <source>メニューに戻る</source>
        <translation>Back to Town</translation>
    </message>
    <message>
        <source>パワーアップアイテムの使用は、５回までです！</source>
        <translation>Only 5 power-up items per game!</translation>
    </message>
    <message>
        <source>危険！</source>
        <translation>Danger!</translation>
    </message>
    <message>
        <source>これ以上アップグレードできません
<byte value="xd"/>すでに最高ランクです</source>
        <translation>Cannot upgrade any further.
This is already the best there is.</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>装備のレベルが正しくありません。</source>
        <translation>The equipment level is not valid.</translation>
    </message>
    <message>
        <source>所持金が足りません</source>
        <translation>Not enough money</translation>
    </message>
    <message>
        <source>%1Ｇかかります。よろしいですか？</source>
        <translation>That costs %1 G. All right?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>kobu::SkillsWindow</name>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>技能</source>
        <translation>Skills</translation>
    </message>
    <message>
        <source>スピードの極意</source>
        <translation>Secret of Speed</translation>
    </message>
    <message>
        <source>気合攻撃</source>
        <translation>Spirit Attack</translation>
    </message>
    <message>
        <source>エネルギーブースト</source>
        <translation>Energy Boost</translation>
    </message>
    <message>
        <source>ヒール</source>
        <translation>Heal</translation>
    </message>
    <message>
        <source>所持金不足</source>
        <translation>Not enough money</translation>
    </message>
    <message>
        <source>HP不足</source>
        <translation>Not enough HP</translation>
    </message>
    <message>
        <source>450Gと4HP必要です</source>
        <translation>Learn it for 450 G and 4 HP?</translation>
    </message>
    <message>
        <source>You need four HPs.よろしいですか</source>
        <translation>Use it for 4 HP?</translation>
    </message>
    <message>
        <source>400Gと5HP必要です</source>
        <translation>Learn it for 400 G and 5 HP?</translation>
    </message>
    <message>
        <source>You need five HPs.よろしいですか</source>
        <translation>Use it for 5 HP?</translation>
    </message>
    <message>
        <source>1200G必要です</source>
        <translation>Learn it for 1200 G?</translation>
    </message>
    <message>
        <source>よろしいですか</source>
        <translation>Use it?</translation>
    </message>
    <message>
        <source>600Gと1HP必要です</source>
        <translation>Learn it for 600 G and 1 HP?</translation>
    </message>
    <message>
        <source>You need one HP.よろしいですか</source>
        <translation>Use it for 1 HP?</translation>
    </message>
</context>
<context>
    <name>kobu::StatusWindow</name>
    <message>
        <source>ステータス</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>所持金 %1 G</source>
        <translation>Money: %1 G</translation>
    </message>
    <message>
        <source>HP %1、攻撃A %2、攻撃B %3、防御A %4、防御B %5、スピード %6、所持金 %7 G</source>
        <translation>HP %1, Attack A %2, Attack B %3, Defence A %4, Defence B %5, Speed %6, money %7 G</translation>
    </message>
</context>
<context>
    <name>kobu::TownMenu</name>
    <message>
        <source>セーブしてよろしいですか？</source>
        <translation>Save the game?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>セーブしましたが、ディスクに書き込まれたことを確かめられませんでした。このまま電源が切れるなどすると、前のセーブデータに戻ることがあります。
%1</source>
        <translation>The game was saved, but it could not be confirmed that the save reached the disk. If the power fails now, the previous save may come back.
%1</translation>
    </message>
    <message>
        <source>セーブしましたが、ディスクに書き込まれたことを確かめられませんでした。このまま電源が切れるなどすると、セーブデータが残らないことがあります。
%1</source>
        <translation>The game was saved, but it could not be confirmed that the save reached the disk. If the power fails now, the save may be lost.
%1</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>セーブできませんでした。前のセーブデータはそのまま残っています。
%1</source>
        <translation>The game could not be saved. Your previous save is still there.
%1</translation>
    </message>
    <message>
        <source>セーブできませんでした。
%1</source>
        <translation>The game could not be saved.
%1</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>セーブしました</source>
        <translation>Game saved.</translation>
    </message>
    <message>
        <source>ロードしてよろしいですか？</source>
        <translation>Load the saved game?</translation>
    </message>
    <message>
        <source>セーブデータがありません。
%1</source>
        <translation>There is no saved game.
%1</translation>
    </message>
    <message>
        <source>セーブデータが壊れているため、ロードできません。
%1</source>
        <translation>The saved game is damaged and cannot be loaded.
%1</translation>
    </message>
    <message>
        <source>セーブデータの場所にあるのが普通のファイルではないため、ロードできません。
%1</source>
        <translation>The saved game cannot be loaded: where it should be, there is something other than a file.
%1</translation>
    </message>
    <message>
        <source>めにゅ～</source>
        <translation>Town Menu</translation>
    </message>
    <message>
        <source>行動を指定してください</source>
        <translation>What will you do?</translation>
    </message>
    <message>
        <source>店に行く</source>
        <translation>Go to the Shop</translation>
    </message>
    <message>
        <source>アイテムを使う</source>
        <translation>Use Items</translation>
    </message>
    <message>
        <source>準備完了&#x3000;Battle Start!</source>
        <translation>Ready!  Battle Start!</translation>
    </message>
    <message>
        <source>セーブ</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ロード</source>
        <translation>Load</translation>
    </message>
</context>
<context>
    <name>platform::Announce</name>
    <message>
        <source>。</source>
        <translation>. </translation>
    </message>
</context>
<context>
    <name>platform::Errors</name>
    <message>
        <source>数値が大きすぎるか小さすぎます（オーバーフロー）。</source>
        <translation>A number grew too large or too small (overflow).</translation>
    </message>
</context>
<context>
    <name>platform::Guard</name>
    <message>
        <source>エラーが発生しました。
%1

この操作は取り消されました。ゲームはこのまま続けられます。</source>
        <translation>Something went wrong.
%1

What you just did has been undone. You can play on.</translation>
    </message>
    <message>
        <source>予期しないエラー: %1</source>
        <translation>Unexpected error: %1</translation>
    </message>
    <message>
        <source>予期しないエラー</source>
        <translation>Unexpected error</translation>
    </message>
</context>
<context>
    <name>platform::Pictures</name>
    <message>
        <source>攻</source>
        <translation>Atk</translation>
    </message>
    <message>
        <source>防</source>
        <translation>Def</translation>
    </message>
    <message>
        <source>速</source>
        <translation>Spd</translation>
    </message>
</context>
<context>
    <name>platform::RecordFile</name>
    <message>
        <source>ファイルに書き込めません。</source>
        <translation>The file cannot be written.</translation>
    </message>
    <message>
        <source>ファイルが短すぎるか壊れています。</source>
        <translation>The file is too short or damaged.</translation>
    </message>
    <message>
        <source>新しいファイルがディスクに書き込まれたことを確かめられません。</source>
        <translation>It cannot be confirmed that the new file reached the disk.</translation>
    </message>
</context>
<context>
    <name>platform::RegularFile</name>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>The file cannot be found.</translation>
    </message>
    <message>
        <source>ファイルではなくフォルダーです。</source>
        <translation>It is a folder, not a file.</translation>
    </message>
    <message>
        <source>普通のファイルではないため、開けません。</source>
        <translation>It is not a regular file, so it cannot be opened.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>The file cannot be read.</translation>
    </message>
</context>
<context>
    <name>platform::SettingsMenu</name>
    <message>
        <source>音楽を鳴らす(&amp;M)</source>
        <translation>&amp;Music</translation>
    </message>
    <message>
        <source>音量(&amp;V)</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>画面の大きさ(&amp;Z)</source>
        <translation>Game si&amp;ze</translation>
    </message>
    <message>
        <source>デスクトップに合わせる(&amp;D)</source>
        <translation>As the &amp;desktop</translation>
    </message>
    <message>
        <source>大きさは次に起動したときから変わります</source>
        <translation>The size changes from the next start</translation>
    </message>
</context>
</TS>
