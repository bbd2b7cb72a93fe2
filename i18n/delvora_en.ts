<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>DriveList</name>
    <message>
        <source>请选择U盘！</source>
        <translation>Please choose a USB drive!</translation>
    </message>
</context>
<context>
    <name>LifterControl</name>
    <message>
        <source>打开串口失败!</source>
        <translation>Cannot open the serial port!</translation>
    </message>
</context>
<context>
    <name>MainWindowFace</name>
    <message>
        <source>打开表格</source>
        <translation>Open list…</translation>
    </message>
    <message>
        <source>名单</source>
        <translation>Name list</translation>
    </message>
    <message>
        <source>网络更新</source>
        <translation>Send to plates</translation>
    </message>
    <message>
        <source>图片背景</source>
        <translation>Picture…</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>设置内容格式</source>
        <translation>Text format</translation>
    </message>
    <message>
        <source>检测在线桌牌</source>
        <translation>Find plates</translation>
    </message>
    <message>
        <source>在线桌牌</source>
        <translation>Online plates</translation>
    </message>
    <message>
        <source>U盘更新</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>单色背景</source>
        <translation>Color…</translation>
    </message>
    <message>
        <source>U盘</source>
        <translation>USB drive</translation>
    </message>
    <message>
        <source>U盘:</source>
        <translation>USB:</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Change…</translation>
    </message>
    <message>
        <source>水平对齐</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>水平对齐：</source>
        <translation>Horizontal:</translation>
    </message>
    <message>
        <source>垂直对齐</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>左：</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>右：</source>
        <translation>Right:</translation>
    </message>
    <message>
        <source>上：</source>
        <translation>Top:</translation>
    </message>
    <message>
        <source>下：</source>
        <translation>Bottom:</translation>
    </message>
    <message>
        <source>选择背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>垂直对齐：</source>
        <translation>Vertical:</translation>
    </message>
    <message>
        <source>字      体：</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>选择行序</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>选择行序：</source>
        <translation>Row:</translation>
    </message>
    <message>
        <source>进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>进度百分比</source>
        <translation>Progress in percent</translation>
    </message>
    <message>
        <source>预览区</source>
        <translation>Preview area</translation>
    </message>
    <message>
        <source>缩进</source>
        <translation>Indents</translation>
    </message>
    <message>
        <source>生成ID</source>
        <translation>ID file</translation>
    </message>
    <message>
        <source>修改ID</source>
        <translation>Set ID</translation>
    </message>
    <message>
        <source>升降器控制</source>
        <translation>Lifter</translation>
    </message>
    <message>
        <source>上升</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>下降</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>修改IP</source>
        <translation>Set IP</translation>
    </message>
    <message>
        <source>生成IP</source>
        <translation>IP files</translation>
    </message>
    <message>
        <source>设置(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>分辨率(&amp;R)</source>
        <translation>&amp;Resolution</translation>
    </message>
    <message>
        <source>网络(&amp;N)</source>
        <translation>&amp;Network</translation>
    </message>
    <message>
        <source>恢复出厂设置(&amp;D)</source>
        <translation>Factory &amp;defaults</translation>
    </message>
    <message>
        <source>语言 / Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>关于 Delvora(&amp;A)</source>
        <translation>&amp;About Delvora</translation>
    </message>
    <message>
        <source>自动缩小</source>
        <translation>Shrink</translation>
    </message>
    <message>
        <source>所选行的文字过长时缩小字号</source>
        <translation>Draws the chosen row smaller when its text is too long</translation>
    </message>
    <message>
        <source>自动检测在线状态</source>
        <translation>Watch online plates</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新建会议(&amp;N)</source>
        <translation>&amp;New Meeting</translation>
    </message>
    <message>
        <source>打开会议(&amp;O)…</source>
        <translation>&amp;Open Meeting…</translation>
    </message>
    <message>
        <source>保存会议(&amp;S)</source>
        <translation>&amp;Save Meeting</translation>
    </message>
    <message>
        <source>会议另存为(&amp;A)…</source>
        <translation>Save Meeting &amp;As…</translation>
    </message>
    <message>
        <source>最近的会议(&amp;R)</source>
        <translation>&amp;Recent Meetings</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>提示</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>UiLanguage</name>
    <message>
        <source>界面语言将在下次启动时切换。</source>
        <translation>The interface language changes at the next start.</translation>
    </message>
</context>
<context>
    <name>delvora::AboutDialog</name>
    <message>
        <source>关于 Delvora</source>
        <translation>About Delvora</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>delvora::ChangeIpDialog</name>
    <message>
        <source>修改IP</source>
        <translation>Change plate address</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>掩码</source>
        <translation>Mask</translation>
    </message>
    <message>
        <source>网关</source>
        <translation>Gateway</translation>
    </message>
</context>
<context>
    <name>delvora::FontPickDialog</name>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>颜色:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>delvora::IdRangeDialog</name>
    <message>
        <source>请输入ID范围</source>
        <translation>ID range</translation>
    </message>
    <message>
        <source>起始ID</source>
        <translation>First ID</translation>
    </message>
    <message>
        <source>结束ID</source>
        <translation>Last ID</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>请输入一个 %1 至 %2 之间的整数。</source>
        <translation>Enter a whole number from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>delvora::IpAddressEdit</name>
    <message>
        <source>第%1段</source>
        <translation>Field %1</translation>
    </message>
</context>
<context>
    <name>delvora::LayoutEditor</name>
    <message>
        <source>第1行</source>
        <translation>Row 1</translation>
    </message>
    <message>
        <source>第2行</source>
        <translation>Row 2</translation>
    </message>
    <message>
        <source>第3行</source>
        <translation>Row 3</translation>
    </message>
    <message>
        <source>左对齐</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>右对齐</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>靠上</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>靠下</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>图像文件t(*.jpg;*.jpeg)|*.jpg;*.jpeg||</source>
        <translation>Pictures (*.jpg;*.jpeg)|*.jpg;*.jpeg||</translation>
    </message>
</context>
<context>
    <name>delvora::MainWindow</name>
    <message>
        <source>关于 Delvora(&amp;A)...</source>
        <translation>&amp;About Delvora...</translation>
    </message>
</context>
<context>
    <name>delvora::NetworkDialog</name>
    <message>
        <source>网络设置</source>
        <translation>Network settings</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>网卡</source>
        <translation>Adapter</translation>
    </message>
    <message>
        <source>网卡选择</source>
        <translation>Network adapter</translation>
    </message>
    <message>
        <source>网卡：</source>
        <translation>Adapter:</translation>
    </message>
    <message>
        <source>MAC：</source>
        <translation>MAC:</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>IP地址：</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>使用固定IP</source>
        <translation>Use fixed IP</translation>
    </message>
</context>
<context>
    <name>delvora::PrintCommands</name>
    <message>
        <source>不打印背景</source>
        <translation>No background</translation>
    </message>
    <message>
        <source>边距：</source>
        <translation>Margin:</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>导出PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>正在导出PDF…</source>
        <translation>Exporting PDF…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>打印(&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>打印桌签…</source>
        <translation>Print table cards…</translation>
    </message>
    <message>
        <source>打印检查表…</source>
        <translation>Print check sheet…</translation>
    </message>
    <message>
        <source>导出桌签PDF…</source>
        <translation>Export table cards as PDF…</translation>
    </message>
    <message>
        <source>导出检查表PDF…</source>
        <translation>Export check sheet as PDF…</translation>
    </message>
</context>
<context>
    <name>integertext</name>
    <message>
        <source>请输入一个整数。</source>
        <translation>Enter a whole number.</translation>
    </message>
</context>
<context>
    <name>meetingtexts</name>
    <message>
        <source>打开会议“%1”失败：%2</source>
        <translation>Cannot open the meeting “%1”: %2</translation>
    </message>
    <message>
        <source>保存会议“%1”失败：%2</source>
        <translation>Cannot save the meeting “%1”: %2</translation>
    </message>
    <message>
        <source>此会议文件由较新版本创建，无法打开。</source>
        <translation>This meeting file was made by a newer version and cannot be opened.</translation>
    </message>
    <message>
        <source>文件不是会议文件（第一个条目应为“mimetype”，内容为“%1”）。</source>
        <translation>The file is not a meeting file (its first entry must be “mimetype” holding “%1”).</translation>
    </message>
    <message>
        <source>文件不存在。</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>这是一个文件夹，不是文件。</source>
        <translation>This is a folder, not a file.</translation>
    </message>
    <message>
        <source>文件过大。</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>无法读取文件：%1</source>
        <translation>The file cannot be read: %1</translation>
    </message>
    <message>
        <source>“%1”不是正确的JSON（第%2个字节处）。</source>
        <translation>“%1” is not valid JSON (at byte %2).</translation>
    </message>
    <message>
        <source>“%1”的内容不是JSON对象。</source>
        <translation>“%1” does not hold a JSON object.</translation>
    </message>
    <message>
        <source>“%1”中缺少“%2”。</source>
        <translation>“%1” lacks “%2”.</translation>
    </message>
    <message>
        <source>“%1”中“%2”的类型不对。</source>
        <translation>“%2” in “%1” has the wrong type.</translation>
    </message>
    <message>
        <source>“%1”中“%2”的值超出范围。</source>
        <translation>“%2” in “%1” is out of range.</translation>
    </message>
    <message>
        <source>“%1”不是JPEG图片。</source>
        <translation>“%1” is not a JPEG picture.</translation>
    </message>
    <message>
        <source>文件夹不存在。</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>同名的文件夹已存在。</source>
        <translation>A folder of that name is in the way.</translation>
    </message>
    <message>
        <source>会议已修改，是否保存？</source>
        <translation>The meeting has changed. Save it?</translation>
    </message>
    <message>
        <source>会议文件(*.delvora)|*.delvora||</source>
        <translation>Meeting files (*.delvora)|*.delvora||</translation>
    </message>
    <message>
        <source>新会议</source>
        <translation>New meeting</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>The file is gone: %1</translation>
    </message>
</context>
<context>
    <name>namelisttexts</name>
    <message>
        <source>打开Excel文档失败！</source>
        <translation>Cannot open the Excel file!</translation>
    </message>
    <message>
        <source>打开Excel过程出错！</source>
        <translation>Cannot read the Excel file: </translation>
    </message>
    <message>
        <source>文件不是Excel 97-2003工作簿。</source>
        <translation>The file is not an Excel 97-2003 workbook.</translation>
    </message>
    <message>
        <source>工作簿文件已损坏。</source>
        <translation>The workbook file is damaged.</translation>
    </message>
    <message>
        <source>文件中没有工作簿数据。</source>
        <translation>The file holds no workbook data.</translation>
    </message>
    <message>
        <source>不支持此Excel版本，只能读取Excel 95和97-2003工作簿。</source>
        <translation>This Excel version is not supported; only Excel 95 and 97-2003 workbooks can be read.</translation>
    </message>
    <message>
        <source>工作簿有密码保护，无法读取。</source>
        <translation>The workbook is password-protected and cannot be read.</translation>
    </message>
    <message>
        <source>工作簿数据已损坏。</source>
        <translation>The workbook data is damaged.</translation>
    </message>
    <message>
        <source>找不到工作表“Sheet1”。</source>
        <translation>There is no sheet “Sheet1”.</translation>
    </message>
    <message>
        <source>工作表“Sheet1”少于4列。</source>
        <translation>Sheet “Sheet1” has fewer than 4 columns.</translation>
    </message>
    <message>
        <source>工作表“Sheet1”的数据已损坏。</source>
        <translation>The data of sheet “Sheet1” is damaged.</translation>
    </message>
    <message>
        <source>没有打开的工作簿。</source>
        <translation>No workbook is open.</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>单位名称</source>
        <translation>Organization</translation>
    </message>
    <message>
        <source>名字</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>职位</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>名单文件 (*.xls *.xlsx *.xlsm *.ods *.csv *.txt)|*.xls;*.xlsx;*.xlsm;*.ods;*.csv;*.txt|Eexel 97-2003工作簿(*.xls)|*.xls||</source>
        <translation>Name lists (*.xls *.xlsx *.xlsm *.ods *.csv *.txt)|*.xls;*.xlsx;*.xlsm;*.ods;*.csv;*.txt|Excel 97-2003 workbook (*.xls)|*.xls||</translation>
    </message>
    <message>
        <source>ID为空</source>
        <translation>No ID</translation>
    </message>
    <message>
        <source>ID超出范围 0-9999</source>
        <translation>ID outside 0-9999</translation>
    </message>
    <message>
        <source>与第%1行ID重复</source>
        <translation>Same ID as row %1</translation>
    </message>
    <message>
        <source>打开表格</source>
        <translation>Open list</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>交换座位</source>
        <translation>Swap seats</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>保存名单</source>
        <translation>Save list</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>确定删除选中的%1条名单吗？</source>
        <translation>Remove the %1 selected entries?</translation>
    </message>
    <message>
        <source>名单已修改，是否保存？</source>
        <translation>The name list has changed. Save it?</translation>
    </message>
    <message>
        <source>保存名单失败：</source>
        <translation>Cannot save the name list: </translation>
    </message>
    <message>
        <source>Excel 工作簿(*.xlsx)|*.xlsx|CSV UTF-8(逗号分隔)(*.csv)|*.csv||</source>
        <translation>Excel workbook (*.xlsx)|*.xlsx|CSV UTF-8, comma separated (*.csv)|*.csv||</translation>
    </message>
    <message>
        <source>名单.xlsx</source>
        <translation>names.xlsx</translation>
    </message>
    <message>
        <source>第%1行文字超出显示区域</source>
        <translation>Text of row %1 does not fit on the plate</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between row numbers</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>有%1个名单的文字超出显示区域，是否继续？</source>
        <translation>The text of %1 entries does not fit on the plate. Continue anyway?</translation>
    </message>
</context>
<context>
    <name>netcfgtexts</name>
    <message>
        <source>找不到配置文件</source>
        <translation>The settings file is missing</translation>
    </message>
    <message>
        <source>读取配置失败</source>
        <translation>Cannot read the settings</translation>
    </message>
    <message>
        <source>保存配置失败</source>
        <translation>Cannot save the settings</translation>
    </message>
</context>
<context>
    <name>nettexts</name>
    <message>
        <source>请选择要修改的桌牌</source>
        <translation>Select the plate to change</translation>
    </message>
    <message>
        <source>ID范围为：0-9999</source>
        <translation>The ID must be 0-9999</translation>
    </message>
    <message>
        <source>是否将ID: %1 修改为 %2 ?</source>
        <translation>Change ID %1 to %2?</translation>
    </message>
    <message>
        <source>修改ID成功</source>
        <translation>ID changed</translation>
    </message>
    <message>
        <source>修改ID失败</source>
        <translation>The ID change failed</translation>
    </message>
    <message>
        <source>修改ID超时</source>
        <translation>The plate did not answer the ID change</translation>
    </message>
    <message>
        <source>确认修改IP？<byte value="xd"/>
修改后请重启桌牌</source>
        <translation>Change the plate’s address?<byte value="xd"/>
Restart the plate afterwards.</translation>
    </message>
    <message>
        <source>请选择要恢复出厂设置的桌牌</source>
        <translation>Select the plates to reset to factory defaults</translation>
    </message>
    <message>
        <source>是否确定将以下%1台桌牌恢复出厂设置？<byte value="xd"/>
</source>
        <translation>Reset these %1 plates to factory defaults?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
恢复出厂设置会清空ID、IP和显示内容。</source>
        <translation><byte value="xd"/>
A factory reset clears the ID, the IP address and the shown texts.</translation>
    </message>
    <message>
        <source>发送恢复出厂设置指令完成</source>
        <translation>Factory reset sent</translation>
    </message>
    <message>
        <source>未设置本机IP，请先在“设置→网络”中选择网卡</source>
        <translation>No local IP address: choose the adapter in “Settings → Network” first</translation>
    </message>
    <message>
        <source>名字</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>在线</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>离线</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>更新中 %1%</source>
        <translation>Updating %1%</translation>
    </message>
    <message>
        <source>已更新 </source>
        <translation>Updated </translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>传输失败</source>
        <translation>Transfer failed</translation>
    </message>
    <message>
        <source>不在名单</source>
        <translation>Not in list</translation>
    </message>
    <message>
        <source>ID重复</source>
        <translation>Duplicate ID</translation>
    </message>
</context>
<context>
    <name>printtexts</name>
    <message>
        <source>名单为空，没有可打印的内容。</source>
        <translation>The name list is empty: there is nothing to print.</translation>
    </message>
    <message>
        <source>无法写入文件“%1”。</source>
        <translation>Cannot write the file “%1”.</translation>
    </message>
    <message>
        <source>PDF 文件(*.pdf)|*.pdf||</source>
        <translation>PDF file (*.pdf)|*.pdf||</translation>
    </message>
    <message>
        <source>桌签.pdf</source>
        <translation>table cards.pdf</translation>
    </message>
    <message>
        <source>检查表.pdf</source>
        <translation>check sheet.pdf</translation>
    </message>
</context>
<context>
    <name>spreadsheettexts</name>
    <message>
        <source>文件不是可读取的表格（.xls、.xlsx、.ods或.csv）。</source>
        <translation>The file is not a readable list (.xls, .xlsx, .ods or .csv).</translation>
    </message>
    <message>
        <source>压缩包已损坏或不完整。</source>
        <translation>The archive is damaged or incomplete.</translation>
    </message>
    <message>
        <source>文件中缺少“%1”。</source>
        <translation>The file lacks “%1”.</translation>
    </message>
    <message>
        <source>“%1”解压后过大，可能是恶意文件。</source>
        <translation>“%1” unpacks far too large; the file may be malicious.</translation>
    </message>
    <message>
        <source>“%1”已损坏。</source>
        <translation>“%1” is damaged.</translation>
    </message>
    <message>
        <source>“%1”含有文档类型或实体声明，拒绝读取。</source>
        <translation>“%1” declares a document type or entities; not read.</translation>
    </message>
    <message>
        <source>“%1”的嵌套层次过深。</source>
        <translation>“%1” is nested too deeply.</translation>
    </message>
    <message>
        <source>“%1”不是正确的XML：%2</source>
        <translation>“%1” is not valid XML: %2</translation>
    </message>
    <message>
        <source>工作表“Sheet1”中的单元格位置“%1”无效。</source>
        <translation>Sheet “Sheet1” has an invalid cell position “%1”.</translation>
    </message>
    <message>
        <source>工作表“Sheet1”中单元格“%1”的值无效。</source>
        <translation>Cell “%1” of sheet “Sheet1” has an invalid value.</translation>
    </message>
    <message>
        <source>工作表“Sheet1”中单元格“%1”引用的共享字符串不存在。</source>
        <translation>Cell “%1” of sheet “Sheet1” refers to a shared string that does not exist.</translation>
    </message>
    <message>
        <source>“%1”声明的数目与内容不符。</source>
        <translation>“%1” declares a count that does not match its content.</translation>
    </message>
    <message>
        <source>工作表“Sheet1”超过1048576行。</source>
        <translation>Sheet “Sheet1” has more than 1048576 rows.</translation>
    </message>
    <message>
        <source>文本文件第%1行的引号没有结束。</source>
        <translation>Line %1 of the text file has an unclosed quote.</translation>
    </message>
    <message>
        <source>文本文件第%1行含有空字符（NUL）。</source>
        <translation>Line %1 of the text file holds a NUL character.</translation>
    </message>
    <message>
        <source>文本文件第%1行过长。</source>
        <translation>Line %1 of the text file is too long.</translation>
    </message>
    <message>
        <source>文本文件混用了UTF-8和GBK编码。</source>
        <translation>The text file mixes UTF-8 and GBK encodings.</translation>
    </message>
    <message>
        <source>文本文件的编码无法识别（只能读取UTF-8、UTF-16和GBK）。</source>
        <translation>The text file&apos;s encoding is not recognised (only UTF-8, UTF-16 and GBK can be read).</translation>
    </message>
</context>
<context>
    <name>updatetexts</name>
    <message>
        <source>没有可显示的文字！</source>
        <translation>There is no text to show!</translation>
    </message>
    <message>
        <source>选择的桌牌不在线!</source>
        <translation>The selected plate is not online!</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>等待桌牌连接超时！</source>
        <translation>The plate did not connect in time!</translation>
    </message>
    <message>
        <source>更新过程出现错误！</source>
        <translation>The update failed!</translation>
    </message>
</context>
<context>
    <name>usbtexts</name>
    <message>
        <source>没有可显示的文字！</source>
        <translation>There is no text to show!</translation>
    </message>
    <message>
        <source>创建文件夹失败！</source>
        <translation>Cannot create the folder!</translation>
    </message>
    <message>
        <source>生成U盘文件成功</source>
        <translation>USB drive files written</translation>
    </message>
    <message>
        <source>有%1张图片保存失败！</source>
        <translation>%1 pictures could not be saved!</translation>
    </message>
    <message>
        <source>生成ID配置文档成功！</source>
        <translation>ID file written!</translation>
    </message>
    <message>
        <source>删除旧文件失败！</source>
        <translation>Cannot delete the old files!</translation>
    </message>
    <message>
        <source>生成IP文件失败，请检查Excel格式！</source>
        <translation>Cannot write the IP files: check the Excel layout!</translation>
    </message>
    <message>
        <source>生成IP文件失败！</source>
        <translation>Cannot write the IP files!</translation>
    </message>
    <message>
        <source>生成IP文件完成！</source>
        <translation>IP files written!</translation>
    </message>
</context>
</TS>
