<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Errors</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>無法開啟檔案 %1。</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>無法建立檔案 %1。</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>清單索引超出範圍（%1）</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Area With:</source>
        <translation>區域寬度：</translation>
    </message>
    <message>
        <source>BG Color:</source>
        <translation>背景色彩：</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>背景：</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>框線色彩：</translation>
    </message>
    <message>
        <source>Border Width:</source>
        <translation>框線寬度：</translation>
    </message>
    <message>
        <source>Border:</source>
        <translation>框線：</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>標題：</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選擇...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Clock Color:</source>
        <translation>時鐘色彩：</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>色彩：</translation>
    </message>
    <message>
        <source>Congradulations:</source>
        <translation>祝賀詞：</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>內容：</translation>
    </message>
    <message>
        <source>Contents:</source>
        <translation>內容：</translation>
    </message>
    <message>
        <source>Cursor:</source>
        <translation>游標：</translation>
    </message>
    <message>
        <source>Date Color:</source>
        <translation>日期色彩：</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Description Background:</source>
        <translation>說明背景：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>說明：</translation>
    </message>
    <message>
        <source>FG Color:</source>
        <translation>前景色彩：</translation>
    </message>
    <message>
        <source>Fluorescence Color:</source>
        <translation>螢光色彩：</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>字型：</translation>
    </message>
    <message>
        <source>Foreground:</source>
        <translation>前景：</translation>
    </message>
    <message>
        <source>Hand Color:</source>
        <translation>指針色彩：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>Hour Hand:</source>
        <translation>時針：</translation>
    </message>
    <message>
        <source>Hours Color:</source>
        <translation>小時色彩：</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>圖片：</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>左邊界：</translation>
    </message>
    <message>
        <source>Left margin:</source>
        <translation>左邊界：</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>連結</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>連結：</translation>
    </message>
    <message>
        <source>Minute Color:</source>
        <translation>分鐘色彩：</translation>
    </message>
    <message>
        <source>Minute Hand:</source>
        <translation>分針：</translation>
    </message>
    <message>
        <source>Minutes Color:</source>
        <translation>分鐘色彩：</translation>
    </message>
    <message>
        <source>No Parameters to be set. Use it directly.</source>
        <translation>不需設定參數，可直接使用。</translation>
    </message>
    <message>
        <source>Note: please copy the cursor to directory which your pages locate.</source>
        <translation>注意：請將游標檔案複製到網頁所在的資料夾。</translation>
    </message>
    <message>
        <source>Number Color:</source>
        <translation>數字色彩：</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Scrollbar 3Dlight Color:</source>
        <translation>捲軸立體亮邊色彩：</translation>
    </message>
    <message>
        <source>Scrollbar Arrow Color:</source>
        <translation>捲軸箭頭色彩：</translation>
    </message>
    <message>
        <source>Scrollbar Darkshadow Color:</source>
        <translation>捲軸暗陰影色彩：</translation>
    </message>
    <message>
        <source>Scrollbar Face Color:</source>
        <translation>捲軸表面色彩：</translation>
    </message>
    <message>
        <source>Scrollbar Highlight Color:</source>
        <translation>捲軸亮部色彩：</translation>
    </message>
    <message>
        <source>Scrollbar Shadow Color:</source>
        <translation>捲軸陰影色彩：</translation>
    </message>
    <message>
        <source>Scrollbar Track Color:</source>
        <translation>捲軸軌道色彩：</translation>
    </message>
    <message>
        <source>Second Color:</source>
        <translation>秒數色彩：</translation>
    </message>
    <message>
        <source>Second Hand:</source>
        <translation>秒針：</translation>
    </message>
    <message>
        <source>Seconds Color:</source>
        <translation>秒數色彩：</translation>
    </message>
    <message>
        <source>Seperator</source>
        <translation>分隔線</translation>
    </message>
    <message>
        <source>Shadow Color:</source>
        <translation>陰影色彩：</translation>
    </message>
    <message>
        <source>Shine Color:</source>
        <translation>光澤色彩：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>開始：</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>文字色彩：</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>文字：</translation>
    </message>
    <message>
        <source>Titile:</source>
        <translation>標題：</translation>
    </message>
    <message>
        <source>Title Background:</source>
        <translation>標題背景：</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>標題：</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>上邊界：</translation>
    </message>
    <message>
        <source>Top margin</source>
        <translation>上邊界</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>網址：</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>寬度：</translation>
    </message>
    <message>
        <source>day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>动态鼠标(*.ani)</source>
        <translation>動態游標(*.ani)</translation>
    </message>
    <message>
        <source>静态鼠标(*.cur)</source>
        <translation>靜態游標(*.cur)</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>No program could be started to open
%1
Please open it by hand.</source>
        <translation>沒有程式可以開啟
%1
請手動開啟。</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <translation>所有圖片 (%1)</translation>
    </message>
</context>
<context>
    <name>TextWarning</name>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>apostrophe (&apos;)</source>
        <translation>單引號 (&apos;)</translation>
    </message>
    <message>
        <source>double quote (&quot;)</source>
        <translation>雙引號 (&quot;)</translation>
    </message>
    <message>
        <source>backquote (`)</source>
        <translation>反引號 (`)</translation>
    </message>
    <message>
        <source>backslash (\)</source>
        <translation>反斜線 (\)</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>換行字元</translation>
    </message>
    <message>
        <source>%1 ends the string</source>
        <translation>%1 會結束字串</translation>
    </message>
    <message>
        <source>The %1 would end the script string early.</source>
        <translation>%1會提前結束指令碼中的字串。</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::CodeView</name>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>Find in the code</source>
        <translation>在程式碼中尋找</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::CodeWindow</name>
    <message>
        <source>JavaScript Codes</source>
        <translation>JavaScript 程式碼</translation>
    </message>
    <message>
        <source>Show only Javascript codes</source>
        <translation>只顯示 JavaScript 程式碼</translation>
    </message>
    <message>
        <source>HTML Codes</source>
        <translation>HTML 程式碼</translation>
    </message>
    <message>
        <source>Show whole HTML codes</source>
        <translation>顯示完整的 HTML 程式碼</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>複製到剪貼簿</translation>
    </message>
    <message>
        <source>Copy current codes to clipboard</source>
        <translation>將目前的程式碼複製到剪貼簿</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>View In Browser</source>
        <translation>在瀏覽器中檢視</translation>
    </message>
    <message>
        <source>Save Page...</source>
        <translation>儲存網頁...</translation>
    </message>
    <message>
        <source>Save the page with its pictures, to open anywhere</source>
        <translation>連同圖片儲存網頁，在任何地方都能開啟</translation>
    </message>
    <message>
        <source>Save Page</source>
        <translation>儲存網頁</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm);;All files (*)</source>
        <translation>網頁 (*.html *.htm);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>已儲存 %1。</translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 and %n file(s) it shows beside it.</source>
        <translation>
            <numerusform>已儲存 %1，並在其旁邊儲存了它顯示的 %n 個檔案。</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Insert into Page...</source>
        <translation>插入到網頁(&amp;I)...</translation>
    </message>
    <message>
        <source>Insert the effect into a page of your own, or replace it there</source>
        <translation>把特效插入到您自己的網頁中，或取代網頁中已有的特效</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) already there will be replaced. Replace them?</source>
        <translation>
            <numerusform>已有的 %n 個檔案將被取代。要取代嗎？</numerusform>
        </translation>
    </message>
    <message>
        <source>Generate an effect first; then it can be inserted into a page.</source>
        <translation>請先產生特效，然後才能把它插入到網頁中。</translation>
    </message>
    <message>
        <source>Insert into Page</source>
        <translation>插入到網頁</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm *.xhtml *.php);;All files (*)</source>
        <translation>網頁 (*.html *.htm *.xhtml *.php);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>%1 already holds this effect as %2; nothing was changed.</source>
        <translation>%1 中已有此特效（%2），未做任何變更。</translation>
    </message>
    <message>
        <source>Insert %1 into %2? The page as it is now is kept as %2.bak.</source>
        <translation>要把 %1 插入到 %2 嗎？網頁目前的內容將保留為 %2.bak。</translation>
    </message>
    <message>
        <source>%1 is copied beside the page.</source>
        <translation>%1 將複製到網頁旁邊。</translation>
    </message>
    <message>
        <source>Inserted %1 into %2.</source>
        <translation>已把 %1 插入到 %2。</translation>
    </message>
    <message>
        <source>Preview the page, edits included, in the pane on the left</source>
        <translation>在左側窗格中預覽網頁（包括所做的修改）</translation>
    </message>
    <message>
        <source>Live Preview</source>
        <translation>即時預覽</translation>
    </message>
    <message>
        <source>Show the page in a large window that follows the form (F5)</source>
        <translation>在隨表單更新的大視窗中顯示網頁 (F5)</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::DesktopServices</name>
    <message>
        <source>Difference</source>
        <translation>差異</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::FindBox</name>
    <message>
        <source>Find an effect</source>
        <translation>尋找特效</translation>
    </message>
    <message>
        <source>&amp;Find (English or Chinese name):</source>
        <translation>尋找(&amp;F)（英文或中文名稱）：</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::HelpWindow</name>
    <message>
        <source>Zentrava Help</source>
        <translation>Zentrava 說明</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::LivePreview</name>
    <message>
        <source>Live Preview</source>
        <translation>即時預覽</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>寬度(&amp;W)：</translation>
    </message>
    <message>
        <source>Phone (375)</source>
        <translation>手機 (375)</translation>
    </message>
    <message>
        <source>Tablet (768)</source>
        <translation>平板 (768)</translation>
    </message>
    <message>
        <source>Laptop (1280)</source>
        <translation>筆電 (1280)</translation>
    </message>
    <message>
        <source>Window width</source>
        <translation>視窗寬度</translation>
    </message>
    <message>
        <source>&amp;Follow the form</source>
        <translation>跟隨表單(&amp;F)</translation>
    </message>
    <message>
        <source>Show the page again after each change of a parameter in the form</source>
        <translation>表單中的參數每次變更後重新顯示網頁</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::MainWindow</name>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Mouse scripts</source>
        <translation>滑鼠特效</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>選單</translation>
    </message>
    <message>
        <source>Menu scripts</source>
        <translation>選單特效</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Text scripts</source>
        <translation>文字特效</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>網頁</translation>
    </message>
    <message>
        <source>page scripts</source>
        <translation>網頁特效</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Date and time scripts</source>
        <translation>日期與時間特效</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>Image scripts</source>
        <translation>圖片特效</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>遊戲</translation>
    </message>
    <message>
        <source>game scripts</source>
        <translation>遊戲</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Other scripts</source>
        <translation>其他特效</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>網站</translation>
    </message>
    <message>
        <source>Zentrava on web</source>
        <translation>Zentrava 網站</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>特效</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>The language of the interface (the generated code stays the same)</source>
        <translation>介面語言（產生的程式碼不變）</translation>
    </message>
    <message>
        <source>The %1 translation is missing from
%2</source>
        <translation>%2
中缺少%1翻譯</translation>
    </message>
    <message>
        <source>Open Page...</source>
        <translation>開啟網頁...</translation>
    </message>
    <message>
        <source>Change the effects inserted into a page of yours (Ctrl+O)</source>
        <translation>修改插入到您的網頁中的特效 (Ctrl+O)</translation>
    </message>
    <message>
        <source>%1 (its recipe cannot be read)</source>
        <translation>%1（無法讀取其配方）</translation>
    </message>
    <message>
        <source>%1 emptied</source>
        <translation>%1 已清空</translation>
    </message>
    <message>
        <source>default values</source>
        <translation>預設值</translation>
    </message>
    <message>
        <source>%1: %2 (%3) with %4</source>
        <translation>%1：%2（%3），%4</translation>
    </message>
    <message>
        <source>Open Page</source>
        <translation>開啟網頁</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm *.xhtml *.php);;All files (*)</source>
        <translation>網頁 (*.html *.htm *.xhtml *.php);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>%1 holds no inserted effects. Generate an effect and use &quot;Insert into Page...&quot; in the code window to insert one.</source>
        <translation>%1 中沒有插入的特效。請產生一個特效，然後在程式碼視窗中使用「插入到網頁...」插入。</translation>
    </message>
    <message>
        <source>Effects inserted into %1:</source>
        <translation>插入到 %1 的特效：</translation>
    </message>
    <message>
        <source>No effect is open. Choose one in the list on the left; Enter or Space opens the selected one again.</source>
        <translation>沒有開啟的特效。請在左側清單中選擇一個；按 Enter 或空白鍵可再次開啟所選的特效。</translation>
    </message>
    <message>
        <source>The open effect has no code to show.</source>
        <translation>開啟的特效沒有可顯示的程式碼。</translation>
    </message>
    <message>
        <source>Your own effect, from %1</source>
        <translation>你自己的特效，來自 %1</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::PageMessages</name>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>What the page wrote to its console while it ran: click to list it</source>
        <translation>網頁執行時寫入主控台的內容：按一下列出</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 個錯誤</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 個錯誤</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 個警告</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 個警告</translation>
    </message>
    <message>
        <source>1 message</source>
        <translation>1 則訊息</translation>
    </message>
    <message>
        <source>%1 messages</source>
        <translation>%1 則訊息</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source> (%1 times)</source>
        <translation>（%1 次）</translation>
    </message>
    <message>
        <source>%1 more not listed</source>
        <translation>另有 %1 則未列出</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::PreviewPane</name>
    <message>
        <source>The preview is not available: %1
Use &quot;View In Browser&quot; to see the page.</source>
        <translation>無法預覽：%1
請使用「在瀏覽器中檢視」來檢視網頁。</translation>
    </message>
    <message>
        <source>The previous page did not finish, so it was stopped and the preview started afresh.</source>
        <translation>上一個網頁沒有執行完畢，已將其停止並重新開始預覽。</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::TMDIChild</name>
    <message>
        <source>&amp;Generate Codes...</source>
        <translation>產生程式碼(&amp;G)...</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>修正</translation>
    </message>
    <message>
        <source>Fix writes: %1</source>
        <translation>修正後寫入：%1</translation>
    </message>
    <message>
        <source>Insert the escapes into %1</source>
        <translation>在「%1」中插入逸出字元</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>開啟圖片</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重設(&amp;R)</translation>
    </message>
    <message>
        <source>Restore the form&apos;s own default values</source>
        <translation>還原表單本身的預設值</translation>
    </message>
    <message>
        <source>This effect holds %1 entries; the list has %2.</source>
        <translation>此特效最多容納 %1 項；清單中有 %2 項。</translation>
    </message>
    <message>
        <source>%1 takes a number.</source>
        <translation>%1 只能填寫數字。</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3.</source>
        <translation>%1 須為 %2 到 %3 之間的數字。</translation>
    </message>
</context>
</TS>
