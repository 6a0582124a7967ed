<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Errors</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>无法打开文件 %1。</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>无法创建文件 %1。</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>列表索引越界（%1）</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Area With:</source>
        <translation>区域宽度：</translation>
    </message>
    <message>
        <source>BG Color:</source>
        <translation>背景颜色：</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>背景：</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>边框颜色：</translation>
    </message>
    <message>
        <source>Border Width:</source>
        <translation>边框宽度：</translation>
    </message>
    <message>
        <source>Border:</source>
        <translation>边框：</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>选择...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Clock Color:</source>
        <translation>时钟颜色：</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>颜色：</translation>
    </message>
    <message>
        <source>Congradulations:</source>
        <translation>祝贺语：</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>内容：</translation>
    </message>
    <message>
        <source>Contents:</source>
        <translation>内容：</translation>
    </message>
    <message>
        <source>Cursor:</source>
        <translation>光标：</translation>
    </message>
    <message>
        <source>Date Color:</source>
        <translation>日期颜色：</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Description Background:</source>
        <translation>说明背景：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>说明：</translation>
    </message>
    <message>
        <source>FG Color:</source>
        <translation>前景颜色：</translation>
    </message>
    <message>
        <source>Fluorescence Color:</source>
        <translation>荧光颜色：</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>字体：</translation>
    </message>
    <message>
        <source>Foreground:</source>
        <translation>前景：</translation>
    </message>
    <message>
        <source>Hand Color:</source>
        <translation>指针颜色：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>Hour Hand:</source>
        <translation>时针：</translation>
    </message>
    <message>
        <source>Hours Color:</source>
        <translation>小时颜色：</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>图片：</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>左边距：</translation>
    </message>
    <message>
        <source>Left margin:</source>
        <translation>左边距：</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>链接</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>链接：</translation>
    </message>
    <message>
        <source>Minute Color:</source>
        <translation>分钟颜色：</translation>
    </message>
    <message>
        <source>Minute Hand:</source>
        <translation>分针：</translation>
    </message>
    <message>
        <source>Minutes Color:</source>
        <translation>分钟颜色：</translation>
    </message>
    <message>
        <source>No Parameters to be set. Use it directly.</source>
        <translation>无需设置参数，可直接使用。</translation>
    </message>
    <message>
        <source>Note: please copy the cursor to directory which your pages locate.</source>
        <translation>注意：请将光标文件复制到网页所在的目录。</translation>
    </message>
    <message>
        <source>Number Color:</source>
        <translation>数字颜色：</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Scrollbar 3Dlight Color:</source>
        <translation>滚动条立体亮边颜色：</translation>
    </message>
    <message>
        <source>Scrollbar Arrow Color:</source>
        <translation>滚动条箭头颜色：</translation>
    </message>
    <message>
        <source>Scrollbar Darkshadow Color:</source>
        <translation>滚动条暗阴影颜色：</translation>
    </message>
    <message>
        <source>Scrollbar Face Color:</source>
        <translation>滚动条表面颜色：</translation>
    </message>
    <message>
        <source>Scrollbar Highlight Color:</source>
        <translation>滚动条高光颜色：</translation>
    </message>
    <message>
        <source>Scrollbar Shadow Color:</source>
        <translation>滚动条阴影颜色：</translation>
    </message>
    <message>
        <source>Scrollbar Track Color:</source>
        <translation>滚动条轨道颜色：</translation>
    </message>
    <message>
        <source>Second Color:</source>
        <translation>秒钟颜色：</translation>
    </message>
    <message>
        <source>Second Hand:</source>
        <translation>秒针：</translation>
    </message>
    <message>
        <source>Seconds Color:</source>
        <translation>秒钟颜色：</translation>
    </message>
    <message>
        <source>Seperator</source>
        <translation>分隔线</translation>
    </message>
    <message>
        <source>Shadow Color:</source>
        <translation>阴影颜色：</translation>
    </message>
    <message>
        <source>Shine Color:</source>
        <translation>光泽颜色：</translation>
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
        <translation>开始：</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>文字颜色：</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>文字：</translation>
    </message>
    <message>
        <source>Titile:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Title Background:</source>
        <translation>标题背景：</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>上边距：</translation>
    </message>
    <message>
        <source>Top margin</source>
        <translation>上边距</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>网址：</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>宽度：</translation>
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
        <translation>动态光标(*.ani)</translation>
    </message>
    <message>
        <source>静态鼠标(*.cur)</source>
        <translation>静态光标(*.cur)</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>No program could be started to open
%1
Please open it by hand.</source>
        <translation>没有程序可以打开
%1
请手动打开它。</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <translation>所有图片 (%1)</translation>
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
        <translation>单引号 (&apos;)</translation>
    </message>
    <message>
        <source>double quote (&quot;)</source>
        <translation>双引号 (&quot;)</translation>
    </message>
    <message>
        <source>backquote (`)</source>
        <translation>反引号 (`)</translation>
    </message>
    <message>
        <source>backslash (\)</source>
        <translation>反斜杠 (\)</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>换行符</translation>
    </message>
    <message>
        <source>%1 ends the string</source>
        <translation>%1 会结束字符串</translation>
    </message>
    <message>
        <source>The %1 would end the script string early.</source>
        <translation>%1会提前结束脚本中的字符串。</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::CodeView</name>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Find in the code</source>
        <translation>在代码中查找</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::CodeWindow</name>
    <message>
        <source>JavaScript Codes</source>
        <translation>JavaScript 代码</translation>
    </message>
    <message>
        <source>Show only Javascript codes</source>
        <translation>只显示 JavaScript 代码</translation>
    </message>
    <message>
        <source>HTML Codes</source>
        <translation>HTML 代码</translation>
    </message>
    <message>
        <source>Show whole HTML codes</source>
        <translation>显示完整的 HTML 代码</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Copy current codes to clipboard</source>
        <translation>将当前代码复制到剪贴板</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>View In Browser</source>
        <translation>在浏览器中查看</translation>
    </message>
    <message>
        <source>Save Page...</source>
        <translation>保存网页...</translation>
    </message>
    <message>
        <source>Save the page with its pictures, to open anywhere</source>
        <translation>连同图片保存网页，在任何地方都能打开</translation>
    </message>
    <message>
        <source>Save Page</source>
        <translation>保存网页</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm);;All files (*)</source>
        <translation>网页 (*.html *.htm);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>已保存 %1。</translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 and %n file(s) it shows beside it.</source>
        <translation>
            <numerusform>已保存 %1，并在其旁边保存了它显示的 %n 个文件。</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Insert into Page...</source>
        <translation>插入到网页(&amp;I)...</translation>
    </message>
    <message>
        <source>Insert the effect into a page of your own, or replace it there</source>
        <translation>把特效插入到您自己的网页中，或替换网页中已有的特效</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) already there will be replaced. Replace them?</source>
        <translation>
            <numerusform>已有的 %n 个文件将被替换。要替换吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Generate an effect first; then it can be inserted into a page.</source>
        <translation>请先生成特效，然后才能把它插入到网页中。</translation>
    </message>
    <message>
        <source>Insert into Page</source>
        <translation>插入到网页</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm *.xhtml *.php);;All files (*)</source>
        <translation>网页 (*.html *.htm *.xhtml *.php);;所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 already holds this effect as %2; nothing was changed.</source>
        <translation>%1 中已有此特效（%2），未做任何更改。</translation>
    </message>
    <message>
        <source>Insert %1 into %2? The page as it is now is kept as %2.bak.</source>
        <translation>要把 %1 插入到 %2 吗？网页当前的内容将保留为 %2.bak。</translation>
    </message>
    <message>
        <source>%1 is copied beside the page.</source>
        <translation>%1 将复制到网页旁边。</translation>
    </message>
    <message>
        <source>Inserted %1 into %2.</source>
        <translation>已把 %1 插入到 %2。</translation>
    </message>
    <message>
        <source>Preview the page, edits included, in the pane on the left</source>
        <translation>在左侧窗格中预览网页（包括所做的修改）</translation>
    </message>
    <message>
        <source>Live Preview</source>
        <translation>实时预览</translation>
    </message>
    <message>
        <source>Show the page in a large window that follows the form (F5)</source>
        <translation>在随表单更新的大窗口中显示网页 (F5)</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::DesktopServices</name>
    <message>
        <source>Difference</source>
        <translation>差异</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::FindBox</name>
    <message>
        <source>Find an effect</source>
        <translation>查找特效</translation>
    </message>
    <message>
        <source>&amp;Find (English or Chinese name):</source>
        <translation>查找(&amp;F)（英文或中文名称）：</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::HelpWindow</name>
    <message>
        <source>Zentrava Help</source>
        <translation>Zentrava 帮助</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::LivePreview</name>
    <message>
        <source>Live Preview</source>
        <translation>实时预览</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>宽度(&amp;W)：</translation>
    </message>
    <message>
        <source>Phone (375)</source>
        <translation>手机 (375)</translation>
    </message>
    <message>
        <source>Tablet (768)</source>
        <translation>平板 (768)</translation>
    </message>
    <message>
        <source>Laptop (1280)</source>
        <translation>笔记本 (1280)</translation>
    </message>
    <message>
        <source>Window width</source>
        <translation>窗口宽度</translation>
    </message>
    <message>
        <source>&amp;Follow the form</source>
        <translation>跟随表单(&amp;F)</translation>
    </message>
    <message>
        <source>Show the page again after each change of a parameter in the form</source>
        <translation>表单中的参数每次更改后重新显示网页</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::MainWindow</name>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Mouse scripts</source>
        <translation>鼠标特效</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Menu scripts</source>
        <translation>菜单特效</translation>
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
        <translation>网页</translation>
    </message>
    <message>
        <source>page scripts</source>
        <translation>网页特效</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Date and time scripts</source>
        <translation>日期和时间特效</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Image scripts</source>
        <translation>图片特效</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>game scripts</source>
        <translation>游戏</translation>
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
        <translation>网站</translation>
    </message>
    <message>
        <source>Zentrava on web</source>
        <translation>Zentrava 网站</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>特效</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>The language of the interface (the generated code stays the same)</source>
        <translation>界面语言（生成的代码不变）</translation>
    </message>
    <message>
        <source>The %1 translation is missing from
%2</source>
        <translation>%2
中缺少%1翻译</translation>
    </message>
    <message>
        <source>Open Page...</source>
        <translation>打开网页...</translation>
    </message>
    <message>
        <source>Change the effects inserted into a page of yours (Ctrl+O)</source>
        <translation>修改插入到您的网页中的特效 (Ctrl+O)</translation>
    </message>
    <message>
        <source>%1 (its recipe cannot be read)</source>
        <translation>%1（无法读取其配方）</translation>
    </message>
    <message>
        <source>%1 emptied</source>
        <translation>%1 已清空</translation>
    </message>
    <message>
        <source>default values</source>
        <translation>默认值</translation>
    </message>
    <message>
        <source>%1: %2 (%3) with %4</source>
        <translation>%1：%2（%3），%4</translation>
    </message>
    <message>
        <source>Open Page</source>
        <translation>打开网页</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm *.xhtml *.php);;All files (*)</source>
        <translation>网页 (*.html *.htm *.xhtml *.php);;所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 holds no inserted effects. Generate an effect and use &quot;Insert into Page...&quot; in the code window to insert one.</source>
        <translation>%1 中没有插入的特效。请生成一个特效，然后在代码窗口中使用“插入到网页...”插入。</translation>
    </message>
    <message>
        <source>Effects inserted into %1:</source>
        <translation>插入到 %1 的特效：</translation>
    </message>
    <message>
        <source>No effect is open. Choose one in the list on the left; Enter or Space opens the selected one again.</source>
        <translation>没有打开的特效。请在左侧列表中选择一个；按 Enter 或空格键可再次打开所选的特效。</translation>
    </message>
    <message>
        <source>The open effect has no code to show.</source>
        <translation>打开的特效没有可显示的代码。</translation>
    </message>
    <message>
        <source>Your own effect, from %1</source>
        <translation>你自己的特效，来自 %1</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::PageMessages</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>What the page wrote to its console while it ran: click to list it</source>
        <translation>网页运行时写入控制台的内容：单击列出</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 个错误</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 个错误</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 个警告</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 个警告</translation>
    </message>
    <message>
        <source>1 message</source>
        <translation>1 条消息</translation>
    </message>
    <message>
        <source>%1 messages</source>
        <translation>%1 条消息</translation>
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
        <translation>另有 %1 条未列出</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::PreviewPane</name>
    <message>
        <source>The preview is not available: %1
Use &quot;View In Browser&quot; to see the page.</source>
        <translation>无法预览：%1
请使用“在浏览器中查看”来查看网页。</translation>
    </message>
    <message>
        <source>The previous page did not finish, so it was stopped and the preview started afresh.</source>
        <translation>上一个网页没有运行完，已将其停止并重新开始预览。</translation>
    </message>
</context>
<context>
    <name>zentrava::desktop::TMDIChild</name>
    <message>
        <source>&amp;Generate Codes...</source>
        <translation>生成代码(&amp;G)...</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>修正</translation>
    </message>
    <message>
        <source>Fix writes: %1</source>
        <translation>修正后写入：%1</translation>
    </message>
    <message>
        <source>Insert the escapes into %1</source>
        <translation>在“%1”中插入转义符</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>Restore the form&apos;s own default values</source>
        <translation>恢复表单自身的默认值</translation>
    </message>
    <message>
        <source>This effect holds %1 entries; the list has %2.</source>
        <translation>此特效最多容纳 %1 项；列表中有 %2 项。</translation>
    </message>
    <message>
        <source>%1 takes a number.</source>
        <translation>%1 只能填写数字。</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3.</source>
        <translation>%1 须为 %2 到 %3 之间的数字。</translation>
    </message>
</context>
</TS>
