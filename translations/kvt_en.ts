<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CommandTable</name>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>&amp;Display</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>处理</source>
        <translation>&amp;Process</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>打开(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>打开现有文档
打开</source>
        <translation>Open an existing record
Open</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>保存活动文档
保存</source>
        <translation>Save the open record
Save</translation>
    </message>
    <message>
        <source>另存为(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>用新名称保存活动文档
另存为</source>
        <translation>Save the open record under a new name
Save As</translation>
    </message>
    <message>
        <source>单波读取</source>
        <translation>Load Trace...</translation>
    </message>
    <message>
        <source>单波保存</source>
        <translation>Save Trace...</translation>
    </message>
    <message>
        <source>打印预览(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>打印(&amp;P)...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>关闭文档(&amp;C)</source>
        <translation>&amp;Close Record</translation>
    </message>
    <message>
        <source>关闭当前文档
关闭</source>
        <translation>Close the open record
Close</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>退出应用程序；提示保存文档
退出</source>
        <translation>Quit the program, asking to save the record
Exit</translation>
    </message>
    <message>
        <source>主面板(&amp;M)</source>
        <translation>&amp;Main Panel</translation>
    </message>
    <message>
        <source>工具栏(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>显示或隐藏工具栏
切换工具栏</source>
        <translation>Show or hide the toolbar
Toggle Toolbar</translation>
    </message>
    <message>
        <source>状态栏(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>显示或隐藏状态栏
切换状态栏</source>
        <translation>Show or hide the status bar
Toggle Status Bar</translation>
    </message>
    <message>
        <source>正向填充</source>
        <translation>Positive Fill</translation>
    </message>
    <message>
        <source>
正向填充</source>
        <translation>
Positive Fill</translation>
    </message>
    <message>
        <source>反向填充</source>
        <translation>Negative Fill</translation>
    </message>
    <message>
        <source>
反向填充</source>
        <translation>
Negative Fill</translation>
    </message>
    <message>
        <source>波形</source>
        <translation>Wiggle</translation>
    </message>
    <message>
        <source>
波形</source>
        <translation>
Wiggle</translation>
    </message>
    <message>
        <source>全局最大值</source>
        <translation>Record Maximum</translation>
    </message>
    <message>
        <source>单道最大值</source>
        <translation>Trace Maximum</translation>
    </message>
    <message>
        <source>水平拉伸</source>
        <translation>Stretch Horizontally</translation>
    </message>
    <message>
        <source>
水平拉伸</source>
        <translation>
Stretch H</translation>
    </message>
    <message>
        <source>水平压缩</source>
        <translation>Compress Horizontally</translation>
    </message>
    <message>
        <source>
水平压缩</source>
        <translation>
Compress H</translation>
    </message>
    <message>
        <source>垂直拉伸</source>
        <translation>Stretch Vertically</translation>
    </message>
    <message>
        <source>
垂直拉伸</source>
        <translation>
Stretch V</translation>
    </message>
    <message>
        <source>垂直压缩</source>
        <translation>Compress Vertically</translation>
    </message>
    <message>
        <source>
垂直压缩</source>
        <translation>
Compress V</translation>
    </message>
    <message>
        <source>设置(&amp;S)...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>区域编辑</source>
        <translation>Area Edit</translation>
    </message>
    <message>
        <source>
区域编辑</source>
        <translation>
Area Edit</translation>
    </message>
    <message>
        <source>操作命令</source>
        <translation>Operations</translation>
    </message>
    <message>
        <source>
操作命令</source>
        <translation>
Operations</translation>
    </message>
    <message>
        <source>延迟修正</source>
        <translation>Delay Correction</translation>
    </message>
    <message>
        <source>
触发修正</source>
        <translation>
Delay</translation>
    </message>
    <message>
        <source>炮时修正</source>
        <translation>Shot Time Correction</translation>
    </message>
    <message>
        <source>
炮时修正</source>
        <translation>
Shot Time</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>复制选定内容并将其放到剪贴板上
复制</source>
        <translation>Copy the selected trace to the clipboard
Copy</translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>插入剪贴板内容
粘贴</source>
        <translation>Paste the trace from the clipboard
Paste</translation>
    </message>
    <message>
        <source>撤消(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>撤消上一操作
撤消</source>
        <translation>Undo the last edit
Undo</translation>
    </message>
    <message>
        <source>恢复(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>恢复上次撤消的操作
恢复</source>
        <translation>Redo the last undone edit
Redo</translation>
    </message>
    <message>
        <source>参数排列...</source>
        <translation>Geometry...</translation>
    </message>
    <message>
        <source>
参数排列</source>
        <translation>
Geometry</translation>
    </message>
    <message>
        <source>重采样...</source>
        <translation>Resample...</translation>
    </message>
    <message>
        <source>
重采样</source>
        <translation>
Resample</translation>
    </message>
    <message>
        <source>垂直叠加...</source>
        <translation>Vertical Stack...</translation>
    </message>
    <message>
        <source>
垂直叠加</source>
        <translation>
Stack</translation>
    </message>
    <message>
        <source>批量重采样...</source>
        <translation>Batch Resample...</translation>
    </message>
    <message>
        <source>
批量重采样</source>
        <translation>
Batch Resample</translation>
    </message>
    <message>
        <source>合并文件...</source>
        <translation>Combine Files...</translation>
    </message>
    <message>
        <source>
合并文件</source>
        <translation>
Combine</translation>
    </message>
    <message>
        <source>通道提取...</source>
        <translation>Extract Channels...</translation>
    </message>
    <message>
        <source>
通道提取</source>
        <translation>
Extract</translation>
    </message>
    <message>
        <source>滤波...</source>
        <translation>Filter...</translation>
    </message>
    <message>
        <source>对波形进行滤波处理
滤波</source>
        <translation>Filter the traces
Filter</translation>
    </message>
    <message>
        <source>归一化</source>
        <translation>Normalize</translation>
    </message>
    <message>
        <source>
归一化</source>
        <translation>
Normalize</translation>
    </message>
    <message>
        <source>图像输出...</source>
        <translation>Image Output...</translation>
    </message>
    <message>
        <source>
图像输出</source>
        <translation>
Image</translation>
    </message>
    <message>
        <source>关于 KVT(&amp;A)...</source>
        <translation>&amp;About KVT...</translation>
    </message>
    <message>
        <source>显示程序信息、版本号和版权
关于</source>
        <translation>Show the program information, version and copyright
About</translation>
    </message>
    <message>
        <source>上方</source>
        <translation>Above</translation>
    </message>
    <message>
        <source>下方</source>
        <translation>Below</translation>
    </message>
    <message>
        <source>单道</source>
        <translation>Single Trace</translation>
    </message>
    <message>
        <source>多道</source>
        <translation>Multiple Traces</translation>
    </message>
    <message>
        <source>重设</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Amplify</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Attenuate</translation>
    </message>
    <message>
        <source>切除</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>调换</source>
        <translation>Swap</translation>
    </message>
    <message>
        <source>极性反转</source>
        <translation>Reverse Polarity</translation>
    </message>
    <message>
        <source>比例调节</source>
        <translation>Scaling</translation>
    </message>
    <message>
        <source>频散分析</source>
        <translation>Dispersion Analysis</translation>
    </message>
    <message>
        <source>计算当前记录的频散图像并拾取基阶模式曲线
频散分析</source>
        <translation>Compute the dispersion image of the record and pick the fundamental-mode curve
Dispersion Analysis</translation>
    </message>
</context>
<context>
    <name>DispersionPlot</name>
    <message>
        <source>频率 (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <source>相速度 (m/s)</source>
        <translation>Phase velocity (m/s)</translation>
    </message>
    <message>
        <source>功率</source>
        <translation>Power</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>批量重采样</source>
        <translation>Batch Resample</translation>
    </message>
    <message>
        <source>数据已修改是否保存？</source>
        <translation>The data has changed. Save it?</translation>
    </message>
    <message>
        <source>提示保存变化的数据</source>
        <translation>Save Changes</translation>
    </message>
    <message numerus="yes">
        <source>成功合并%n个文件</source>
        <translation>
            <numerusform>Combined %n file</numerusform>
            <numerusform>Combined %n files</numerusform>
        </translation>
    </message>
    <message>
        <source> 采样参数不一致,未参与合并</source>
        <translation>: not combined</translation>
    </message>
    <message>
        <source>合并文件失败</source>
        <translation>Combining the files failed</translation>
    </message>
    <message>
        <source>合并文件</source>
        <translation>Combine Files</translation>
    </message>
    <message numerus="yes">
        <source>成功提取%n个文件</source>
        <translation>
            <numerusform>Extracted the channels of %n file</numerusform>
            <numerusform>Extracted the channels of %n files</numerusform>
        </translation>
    </message>
    <message>
        <source> 采样参数不一致,未参与提取</source>
        <translation>: not extracted</translation>
    </message>
    <message>
        <source>通道提取失败</source>
        <translation>Extracting the channels failed</translation>
    </message>
    <message>
        <source>通道提取</source>
        <translation>Extract Channels</translation>
    </message>
    <message numerus="yes">
        <source>成功垂直叠加%n个文件</source>
        <translation>
            <numerusform>Stacked %n file</numerusform>
            <numerusform>Stacked %n files</numerusform>
        </translation>
    </message>
    <message>
        <source> 采样参数不一致,未参与叠加</source>
        <translation>: not stacked</translation>
    </message>
    <message>
        <source>垂直叠加失败</source>
        <translation>Vertical stacking failed</translation>
    </message>
    <message>
        <source>垂直叠加</source>
        <translation>Vertical Stack</translation>
    </message>
    <message>
        <source>文件不存在或无法读取</source>
        <translation>The file does not exist or cannot be read</translation>
    </message>
    <message>
        <source>无法从文件名识别记录格式</source>
        <translation>The file name does not tell the record format</translation>
    </message>
    <message>
        <source>文件标识不符，不是该格式的记录</source>
        <translation>The file signature does not match: not a record of this format</translation>
    </message>
    <message>
        <source>文件不完整，数据被截断</source>
        <translation>The file is incomplete: the data is cut short</translation>
    </message>
    <message>
        <source>道数或采样点数与文件长度不符</source>
        <translation>The trace or sample count does not match the file length</translation>
    </message>
    <message>
        <source>不支持的数据格式代码</source>
        <translation>Unsupported data format code</translation>
    </message>
    <message>
        <source>文件头中的数值互相矛盾</source>
        <translation>The header values contradict each other</translation>
    </message>
    <message>
        <source>不支持的文件结构</source>
        <translation>Unsupported file layout</translation>
    </message>
    <message>
        <source>文件打开失败</source>
        <translation>Opening the file failed</translation>
    </message>
    <message>
        <source>保存文件失败</source>
        <translation>Saving the file failed</translation>
    </message>
    <message>
        <source>采样间隔不同，无法加载</source>
        <translation>The sample interval differs: cannot load the trace</translation>
    </message>
    <message>
        <source>采样长度不同，无法加载</source>
        <translation>The sample count differs: cannot load the trace</translation>
    </message>
    <message>
        <source>采样间隔应在0.001-100 ms之间！</source>
        <translation>The sample interval must be between 0.001 and 100 ms!</translation>
    </message>
    <message>
        <source>采样长度应在512-16384 之间！</source>
        <translation>The sample count must be between 512 and 16384!</translation>
    </message>
    <message>
        <source>宽度设置错误</source>
        <translation>Invalid width</translation>
    </message>
    <message>
        <source>高度设置错误</source>
        <translation>Invalid height</translation>
    </message>
    <message>
        <source>打开Bmp文件失败！</source>
        <translation>Cannot open the BMP file!</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>截止频率必须大于 0 且小于采样频率的一半。</source>
        <translation>The corner frequency must be above 0 and below half the sampling frequency.</translation>
    </message>
    <message>
        <source>滤波</source>
        <translation>Filter</translation>
    </message>
    <message numerus="yes">
        <source>,有%n个文件与<byte value="xd"/>
</source>
        <translation>
            <numerusform>, %n file differs in sampling from<byte value="xd"/>
</numerusform>
            <numerusform>, %n files differ in sampling from<byte value="xd"/>
</numerusform>
        </translation>
    </message>
    <message>
        <source>批量重采样失败</source>
        <translation>Batch resampling failed</translation>
    </message>
    <message numerus="yes">
        <source>成功重采样%n个文件</source>
        <translation>
            <numerusform>Resampled %n file</numerusform>
            <numerusform>Resampled %n files</numerusform>
        </translation>
    </message>
    <message>
        <source>频率范围无效：须 0 &lt; 最低频率 ≤ 最高频率 ≤ 奈奎斯特频率，步长大于 0，至多 2000 个频率</source>
        <translation>Invalid frequency range: 0 &lt; lowest ≤ highest ≤ Nyquist frequency, step above 0, at most 2000 frequencies</translation>
    </message>
    <message>
        <source>速度范围无效：须 0 &lt; 最低速度 ≤ 最高速度，步长大于 0，至多 2000 个速度</source>
        <translation>Invalid velocity range: 0 &lt; lowest ≤ highest, step above 0, at most 2000 velocities</translation>
    </message>
    <message>
        <source>道数不足：至少需要两道有信号的道</source>
        <translation>Too few traces: at least two traces with signal are needed</translation>
    </message>
    <message>
        <source>偏移距无差异：所用各道到炮点的距离相同，请先设置检波点和炮点位置</source>
        <translation>No offset differences: every trace used lies at the same distance from the shot; set the receiver and shot positions first</translation>
    </message>
</context>
<context>
    <name>kvt::CAboutDlg</name>
    <message>
        <source>关于 KVT</source>
        <translation>About KVT</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kvt::CAreaEditDlg</name>
    <message>
        <source>上方</source>
        <translation>Above</translation>
    </message>
    <message>
        <source>下方</source>
        <translation>Below</translation>
    </message>
    <message>
        <source>单道</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>多道</source>
        <translation>Multi</translation>
    </message>
    <message>
        <source>重设</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>kvt::CBaseView</name>
    <message>
        <source>通道:%1   时间:%2ms   数值:%3</source>
        <translation>Channel: %1   Time: %2 ms   Value: %3</translation>
    </message>
</context>
<context>
    <name>kvt::CBatchResampleDlg</name>
    <message>
        <source>批量重采样</source>
        <translation>Batch Resample</translation>
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
    <name>kvt::CBmpSaveDlg</name>
    <message>
        <source> 屏幕拷贝</source>
        <translation> Screen copy</translation>
    </message>
    <message>
        <source> 定义尺寸</source>
        <translation> Defined size</translation>
    </message>
    <message>
        <source>图像尺寸</source>
        <translation>Image Size</translation>
    </message>
    <message>
        <source>图像输出</source>
        <translation>Image Output</translation>
    </message>
    <message>
        <source>输出BMP</source>
        <translation>Save Image</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>面波图形</source>
        <translation>surface-wave section</translation>
    </message>
</context>
<context>
    <name>kvt::CChannelCollectDlg</name>
    <message>
        <source>通道提取</source>
        <translation>Extract Channels</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extract</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kvt::CCombineFileDlg</name>
    <message>
        <source>文件合并</source>
        <translation>Combine Files</translation>
    </message>
    <message>
        <source>合并</source>
        <translation>Combine</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kvt::CDelayCorrectDlg</name>
    <message>
        <source>触发延时修正(ms)</source>
        <translation>Trigger delay (ms)</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
</context>
<context>
    <name>kvt::CDirTreeCtrl</name>
    <message>
        <source>无法读取文件夹 %1</source>
        <translation>Cannot read the folder %1</translation>
    </message>
</context>
<context>
    <name>kvt::CDispersionDlg</name>
    <message>
        <source>频散分析</source>
        <translation>Dispersion Analysis</translation>
    </message>
    <message>
        <source>频率 (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <source>最小</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>步长</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>相速度 (m/s)</source>
        <translation>Phase velocity (m/s)</translation>
    </message>
    <message>
        <source>按频率归一化</source>
        <translation>Normalize per frequency</translation>
    </message>
    <message>
        <source>使用所选道</source>
        <translation>Use selected traces</translation>
    </message>
    <message>
        <source>显示峰值曲线</source>
        <translation>Show peak curve</translation>
    </message>
    <message>
        <source>拾取</source>
        <translation>Picking</translation>
    </message>
    <message>
        <source>左键添加或移动，右键删除</source>
        <translation>Left click adds or moves, right click deletes</translation>
    </message>
    <message>
        <source>拾取峰值</source>
        <translation>Pick Peaks</translation>
    </message>
    <message>
        <source>清除拾取</source>
        <translation>Clear Picks</translation>
    </message>
    <message>
        <source>导出拾取…</source>
        <translation>Export Picks…</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>Export Image…</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>使用所选道 (%1 道)</source>
        <translation>Use selected traces (%1 traces)</translation>
    </message>
    <message>
        <source>已拾取 %1 点</source>
        <translation>%1 points picked</translation>
    </message>
    <message>
        <source>频率 %1 Hz    相速度 %2 m/s    功率 %3</source>
        <translation>Frequency %1 Hz    Phase velocity %2 m/s    Power %3</translation>
    </message>
    <message>
        <source>导出拾取</source>
        <translation>Export Picks</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>无法写入文件 %1</source>
        <translation>Cannot write the file %1</translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Export Image</translation>
    </message>
    <message>
        <source>PNG 图像 (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>BMP 图像 (*.bmp)</source>
        <translation>BMP images (*.bmp)</translation>
    </message>
    <message>
        <source>图片只能保存为 PNG 或 BMP 文件：%1</source>
        <translation>Images can be saved only as PNG or BMP files: %1</translation>
    </message>
    <message>
        <source>无法打印</source>
        <translation>Cannot print</translation>
    </message>
</context>
<context>
    <name>kvt::CFileListDlg</name>
    <message>
        <source>文件列表</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除全部</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>升序排列</source>
        <translation>Sort A to Z</translation>
    </message>
    <message>
        <source>降序排列</source>
        <translation>Sort Z to A</translation>
    </message>
    <message>
        <source>添加文件至文件列表</source>
        <translation>Add Files to the List</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在处理 %1</source>
        <translation>Processing %1</translation>
    </message>
</context>
<context>
    <name>kvt::CFilterDlg</name>
    <message>
        <source>滤波</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>滤波器:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>巴特沃斯</source>
        <translation>Butterworth</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>低通</source>
        <translation>Low-pass</translation>
    </message>
    <message>
        <source>高通</source>
        <translation>High-pass</translation>
    </message>
    <message>
        <source>低通(Hz):</source>
        <translation>Low-pass (Hz):</translation>
    </message>
    <message>
        <source>高通(Hz):</source>
        <translation>High-pass (Hz):</translation>
    </message>
    <message>
        <source>低徒值(dB/Oct):</source>
        <translation>Low slope (dB/oct):</translation>
    </message>
    <message>
        <source>高徒值(dB/Oct):</source>
        <translation>High slope (dB/oct):</translation>
    </message>
    <message>
        <source>设定(&amp;S)</source>
        <translation>&amp;Set</translation>
    </message>
    <message>
        <source>显示(&amp;D)...</source>
        <translation>&amp;Display...</translation>
    </message>
    <message>
        <source>应用(&amp;A)</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>频谱图</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>最大显示频率:</source>
        <translation>Max. freq.:</translation>
    </message>
</context>
<context>
    <name>kvt::CFilterShowSetDlg</name>
    <message>
        <source>谱曲线显示</source>
        <translation>Spectrum Display</translation>
    </message>
    <message>
        <source>谱曲线颜色:</source>
        <translation>Curve color:</translation>
    </message>
    <message>
        <source>门曲线颜色:</source>
        <translation>Gate color:</translation>
    </message>
    <message>
        <source>可见性</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>填充</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>门</source>
        <translation>Gate</translation>
    </message>
    <message>
        <source>控件点</source>
        <translation>Control points</translation>
    </message>
    <message>
        <source>网格</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>白色</source>
        <translation>White</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>kvt::CMainFrame</name>
    <message>
        <source>标准 SEG-Y (*.sgy)</source>
        <translation>Standard SEG-Y (*.sgy)</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>就绪</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>信息栏</source>
        <translation>Info Panel</translation>
    </message>
    <message>
        <source>所有记录 (*.srw *.SRW *.Srw *.sgy *.SGY *.segy *.SEGY *.sg2 *.SG2 *.seg2 *.SEG2)</source>
        <translation>All records (*.srw *.SRW *.Srw *.sgy *.SGY *.segy *.SEGY *.sg2 *.SG2 *.seg2 *.SEG2)</translation>
    </message>
    <message>
        <source>单波读取</source>
        <translation>Load Trace</translation>
    </message>
    <message>
        <source>单波保存</source>
        <translation>Save Trace</translation>
    </message>
</context>
<context>
    <name>kvt::COperateOrderDlg</name>
    <message>
        <source>放大</source>
        <translation>Amplify</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Reduce</translation>
    </message>
    <message>
        <source>切除</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>调换</source>
        <translation>Swap</translation>
    </message>
    <message>
        <source>极性反转</source>
        <translation>Reverse Polarity</translation>
    </message>
</context>
<context>
    <name>kvt::CParamSortDlg</name>
    <message>
        <source>参数排列</source>
        <translation>Geometry</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>测点号</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>检波点</source>
        <translation>Receivers</translation>
    </message>
    <message>
        <source>炮点</source>
        <translation>Shot</translation>
    </message>
    <message>
        <source>炮号:</source>
        <translation>Shot no.:</translation>
    </message>
    <message>
        <source>自动填写</source>
        <translation>Fill In</translation>
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
    <name>kvt::CPrintDlg</name>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>页边距(毫米)</source>
        <translation>Margins (mm)</translation>
    </message>
    <message>
        <source>左:</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>上:</source>
        <translation>Top:</translation>
    </message>
    <message>
        <source>右:</source>
        <translation>Right:</translation>
    </message>
    <message>
        <source>下:</source>
        <translation>Bottom:</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>打印机设置</source>
        <translation>Printer Setup...</translation>
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
    <name>kvt::CResampleDlg</name>
    <message>
        <source>重采样</source>
        <translation>Resample</translation>
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
    <name>kvt::CVerticalAddDlg</name>
    <message>
        <source>垂直叠加</source>
        <translation>Vertical Stack</translation>
    </message>
    <message>
        <source>叠加</source>
        <translation>Stack</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kvt::CWaveViewSetDlg</name>
    <message>
        <source>波形显示设置</source>
        <translation>Trace Display Settings</translation>
    </message>
    <message>
        <source>波形</source>
        <translation>Traces</translation>
    </message>
    <message>
        <source>振幅范围:</source>
        <translation>Amplitude:</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>显示增益(%1dB)</source>
        <translation>Display gain (%1 dB)</translation>
    </message>
</context>
<context>
    <name>kvt::ResampleParamsPane</name>
    <message>
        <source>原始参数</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>重采参数</source>
        <translation>Resampled</translation>
    </message>
    <message>
        <source>采样率(ms)</source>
        <translation>Sample interval (ms)</translation>
    </message>
    <message>
        <source>采样点数</source>
        <translation>Sample count</translation>
    </message>
    <message>
        <source>采样长度(ms)</source>
        <translation>Record length (ms)</translation>
    </message>
</context>
<context>
    <name>kvt::SideInfoView</name>
    <message>
        <source>功能操作</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>操作选择</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>文件列表</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>工程信息</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>采集信息</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>实验日期</source>
        <translation>Test date</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>刷新(&amp;R)</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>工程名称:</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>检测单位:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>检测人员:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>剖面编号:</source>
        <translation>Profile no.:</translation>
    </message>
    <message>
        <source>测试日期:</source>
        <translation>Test date:</translation>
    </message>
    <message>
        <source>偏移距(m):</source>
        <translation>Offset (m):</translation>
    </message>
    <message>
        <source>道间距(m):</source>
        <translation>Trace spacing (m):</translation>
    </message>
    <message>
        <source>采样点数:</source>
        <translation>Sample count:</translation>
    </message>
    <message>
        <source>采样率(ms):</source>
        <translation>Sample interval (ms):</translation>
    </message>
    <message>
        <source>区域编辑</source>
        <translation>Area Edit</translation>
    </message>
    <message>
        <source>触发修正</source>
        <translation>Delay Correction</translation>
    </message>
    <message>
        <source>采集信息 (采样值×10^%1)</source>
        <translation>Acquisition (samples ×10^%1)</translation>
    </message>
</context>
</TS>
