<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>reelwright::BoxQueue</name>
    <message numerus="yes">
        <source>%n more came meanwhile; all of them are under Show Details.</source>
        <translation><numerusform>期间又有 %n 条消息，全部见“显示详细信息”。</numerusform></translation>
    </message>
</context>
<context>
    <name>reelwright::Dialogs</name>
    <message>
        <source>Save as Preset</source>
        <translation>另存为预设</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>预设名称</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>类别：</translation>
    </message>
    <message>
        <source>Preset name:</source>
        <translation>预设名称：</translation>
    </message>
</context>
<context>
    <name>reelwright::EncoderOutputView</name>
    <message>
        <source>Encoder Output - %1</source>
        <translation>编码器输出 - %1</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>全部复制</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>What the encoder said</source>
        <translation>编码器的输出</translation>
    </message>
</context>
<context>
    <name>reelwright::JobGrid</name>
    <message>
        <source>Ticked</source>
        <translation>已勾选</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>未勾选</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>勾选</translation>
    </message>
</context>
<context>
    <name>reelwright::JobListStore</name>
    <message>
        <source>File Path</source>
        <translation>文件路径</translation>
    </message>
    <message>
        <source>Conversion Status</source>
        <translation>转换状态</translation>
    </message>
    <message>
        <source>Time Length</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
</context>
<context>
    <name>reelwright::Status</name>
    <message>
        <source>Waiting Conversion</source>
        <translation>等待转换</translation>
    </message>
    <message>
        <source>Unkown Format</source>
        <translation>未知格式</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>正在开始…</translation>
    </message>
    <message>
        <source>Unknown format</source>
        <translation>未知格式</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Waiting Next Batch</source>
        <translation>等待下一批</translation>
    </message>
</context>
<context>
    <name>reelwright::frmMain</name>
    <message>
        <source>The list of files cannot be kept for the next start (%1). Converting goes on, but the list will be lost when Reelwright ends.</source>
        <translation>文件列表无法保存到下次启动（%1）。转换会继续，但 Reelwright 退出后列表将丢失。</translation>
    </message>
    <message>
        <source>The encoder's output cannot be kept in logs (%1). Converting goes on.</source>
        <translation>编码器的输出无法写入日志（%1）。转换会继续。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 (F1)</source>
        <translation>%1 (F1)</translation>
    </message>
    <message>
        <source>Three easy steps to convert your video files.</source>
        <translation>三个简单步骤即可转换视频文件。</translation>
    </message>
    <message>
        <source>  - Add Video Files/Folders</source>
        <translation>  - 添加视频文件/文件夹</translation>
    </message>
    <message>
        <source>Add Video File...</source>
        <translation>添加视频文件…</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>添加文件夹…</translation>
    </message>
    <message>
        <source>For Quick Adding:You can drag and drop video files into the below list</source>
        <translation>快速添加：可将视频文件拖放到下方列表中</translation>
    </message>
    <message>
        <source>Select/Unselect All</source>
        <translation>全选/全不选</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>移除所选</translation>
    </message>
    <message>
        <source>Play Highlighted File</source>
        <translation>播放所选文件</translation>
    </message>
    <message>
        <source>  - Select Output Folder and Format</source>
        <translation>  - 选择输出文件夹和格式</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>输出文件夹：</translation>
    </message>
    <message>
        <source>Same folder as input file</source>
        <translation>与源文件相同的文件夹</translation>
    </message>
    <message>
        <source>Other folder</source>
        <translation>其他文件夹</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>输出格式：</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>更改…</translation>
    </message>
    <message>
        <source>- Click Convert to start conversion</source>
        <translation>- 点击“转换”开始转换</translation>
    </message>
    <message>
        <source>Files at once:</source>
        <translation>同时转换：</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Files at once</source>
        <translation>同时转换的文件数</translation>
    </message>
    <message>
        <source>How many files convert at the same time. Auto converts several short files at once,
and long ones one at a time when their encoder already keeps every core busy.</source>
        <translation>同时转换的文件数。“自动”会同时转换多个短文件，
而当编码器已占满所有核心时，长文件逐个转换。</translation>
    </message>
    <message>
        <source>Convert Selected</source>
        <translation>转换所选</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>全部转换</translation>
    </message>
    <message>
        <source>Shutdown after conversion complete</source>
        <translation>转换完成后关机</translation>
    </message>
    <message>
        <source>Select folder to add</source>
        <translation>选择要添加的文件夹</translation>
    </message>
    <message>
        <source>Select one or more video files</source>
        <translation>选择一个或多个视频文件</translation>
    </message>
    <message>
        <source>Please Stop Conversion first.</source>
        <translation>请先停止转换。</translation>
    </message>
    <message>
        <source>Select the output folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>The list is empty, Please add Video files from step 1</source>
        <translation>列表为空，请在第 1 步添加视频文件</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>No checked file is waiting for conversion. Tick the files to convert, or use Convert All.</source>
        <translation>没有已勾选的文件等待转换。请勾选要转换的文件，或使用“全部转换”。</translation>
    </message>
    <message>
        <source>No file is waiting for conversion: every file in the list has been converted or cannot be read.</source>
        <translation>没有文件等待转换：列表中的每个文件都已转换或无法读取。</translation>
    </message>
    <message>
        <source> To try a file that failed again, right-click it and choose Convert Again.</source>
        <translation>要重试失败的文件，请右键单击它并选择“重新转换”。</translation>
    </message>
    <message>
        <source>Output Video Formats</source>
        <translation>输出视频格式</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Custom (Advanced)</source>
        <translation>自定义（高级）</translation>
    </message>
    <message>
        <source>Keep every audio and subtitle track</source>
        <translation>保留所有音轨和字幕轨</translation>
    </message>
    <message>
        <source>Every sound and subtitle track of a file goes into its result, as far as the format can
hold them; what it cannot hold is named on the file's row. Off: one of each kind.</source>
        <translation>文件的每条音轨和字幕轨都会放入结果，只要格式能容纳；
无法容纳的会在文件所在行注明。关闭：每种只保留一条。</translation>
    </message>
    <message>
        <source>Keep the original's date</source>
        <translation>保留原文件日期</translation>
    </message>
    <message>
        <source>Each result takes the date and time its original was last changed.</source>
        <translation>每个结果采用其原文件最后修改的日期和时间。</translation>
    </message>
    <message>
        <source>Check results by decoding them</source>
        <translation>通过解码检查结果</translation>
    </message>
    <message>
        <source>Each result is played through once, as fast as the computer can, before it takes its
name; a result with a fault fails instead. Converting takes longer.</source>
        <translation>每个结果在获得名称之前会以最快速度完整播放一遍；
有缺陷的结果会判为失败。转换耗时会更长。</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>保存并关闭</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Output Category:</source>
        <translation>输出类别：</translation>
    </message>
    <message>
        <source>Output Video Codec:</source>
        <translation>输出视频编码：</translation>
    </message>
    <message>
        <source>Output File Format (Container):</source>
        <translation>输出文件格式（容器）：</translation>
    </message>
    <message>
        <source>Output Format(Container):</source>
        <translation>输出格式（容器）：</translation>
    </message>
    <message>
        <source>Output Audio Options</source>
        <translation>输出音频选项</translation>
    </message>
    <message>
        <source>Output Audio Codec:</source>
        <translation>音频编码：</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>码率：</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>声道：</translation>
    </message>
    <message>
        <source>Output Video Options</source>
        <translation>输出视频选项</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>画面尺寸：</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>宽高比：</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Error occured while getting paramters</source>
        <translation>获取参数时出错</translation>
    </message>
    <message>
        <source>Switching Off</source>
        <translation>即将关机</translation>
    </message>
    <message>
        <source>Power Off Now</source>
        <translation>立即关机</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The batch has ended. The computer will be switched off in 1 second.</source>
        <translation>批处理已结束。计算机将在 1 秒后关机。</translation>
    </message>
    <message>
        <source>The batch has ended. The computer will be switched off in %1 seconds.</source>
        <translation>批处理已结束。计算机将在 %1 秒后关机。</translation>
    </message>
    <message>
        <source>Interrupted Batch</source>
        <translation>中断的批处理</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>The list of files kept from the last run could not be read (%1), so the list starts empty. It was kept as %2.</source>
        <translation>无法读取上次保存的文件列表（%1），列表将从空开始。原列表已保存为 %2。</translation>
    </message>
    <message>
        <source>Another Reelwright window is open and keeps the list of files. The files of this window are not kept when it closes, and the other window's batch is not offered here.</source>
        <translation>另一个 Reelwright 窗口已打开并保管文件列表。此窗口的文件在关闭时不会保存，另一个窗口的批处理也不会在此提供。</translation>
    </message>
    <message>
        <source>One row of the list kept from the last run could not be read and was left out. The list as it was is kept as %1.</source>
        <translation>上次保存的列表中有一行无法读取，已略去。原列表已保存为 %1。</translation>
    </message>
    <message>
        <source>%1 rows of the list kept from the last run could not be read and were left out. The list as it was is kept as %2.</source>
        <translation>上次保存的列表中有 %1 行无法读取，已略去。原列表已保存为 %2。</translation>
    </message>
    <message>
        <source>One file kept in the list is no longer there and was left out.</source>
        <translation>列表中有一个文件已不存在，已略去。</translation>
    </message>
    <message>
        <source>%1 files kept in the list are no longer there and were left out.</source>
        <translation>列表中有 %1 个文件已不存在，已略去。</translation>
    </message>
    <message>
        <source>beside each file</source>
        <translation>各文件所在的文件夹</translation>
    </message>
    <message>
        <source>The last batch was interrupted before it ended: 1 file is still to convert.

Resume converts it with the format and output folder the batch had:
%1</source>
        <translation>上一次批处理在结束前被中断：还有 1 个文件待转换。

“继续”将按该批处理的格式和输出文件夹转换它：
%1</translation>
    </message>
    <message>
        <source>The last batch was interrupted before it ended: %1 files are still to convert.

Resume converts them with the format and output folder the batch had:
%2</source>
        <translation>上一次批处理在结束前被中断：还有 %1 个文件待转换。

“继续”将按该批处理的格式和输出文件夹转换它们：
%2</translation>
    </message>
    <message>
        <source>Show Encoder Output...</source>
        <translation>显示编码器输出…</translation>
    </message>
    <message>
        <source>Convert Again</source>
        <translation>重新转换</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>清除已完成</translation>
    </message>
    <message>
        <source>Takes the converted files out of the list</source>
        <translation>将已转换的文件移出列表</translation>
    </message>
    <message>
        <source>1 file converted, %1 failed</source>
        <translation>已转换 1 个文件，%1 个失败</translation>
    </message>
    <message>
        <source>%1 files converted, %2 failed</source>
        <translation>已转换 %1 个文件，%2 个失败</translation>
    </message>
    <message>
        <source>, %1 stopped</source>
        <translation>，%1 个已停止</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>转换已停止</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>转换完成</translation>
    </message>
    <message>
        <source>Every file was converted.</source>
        <translation>所有文件均已转换。</translation>
    </message>
    <message>
        <source>These files could not be converted:
</source>
        <translation>以下文件无法转换：
</translation>
    </message>
    <message>
        <source>Your choices (output folder and format) could not be saved, so the next start will not show them:</source>
        <translation>无法保存您的选择（输出文件夹和格式），下次启动时将不会显示：</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Converts a list of video files, one after another, into the format your computer, phone or player needs, with the FFmpeg encoder doing the work.</source>
        <translation>将一组视频文件逐个转换为电脑、手机或播放器所需的格式，由 FFmpeg 编码器完成转换。</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>制作</translation>
    </message>
    <message>
        <source>Converts with</source>
        <translation>转换引擎</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>待转换的文件</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Audio bitrate in kbps</source>
        <translation>音频码率（kbps）</translation>
    </message>
    <message>
        <source>Audio channels</source>
        <translation>音频声道数</translation>
    </message>
    <message>
        <source>Video bitrate in kbps</source>
        <translation>视频码率（kbps）</translation>
    </message>
    <message>
        <source>Frame rate in fps</source>
        <translation>帧率（fps）</translation>
    </message>
    <message>
        <source>Save as Preset...</source>
        <translation>另存为预设…</translation>
    </message>
    <message>
        <source>Keeps the custom format as a preset of your own, listed with the others. Your presets
live in your own folder, where installing or upgrading the program never touches them.</source>
        <translation>将自定义格式保存为您自己的预设，与其他预设一起列出。您的预设
保存在您自己的文件夹中，安装或升级程序都不会改动它们。</translation>
    </message>
    <message>
        <source>Remove Preset</source>
        <translation>删除预设</translation>
    </message>
    <message>
        <source>Removes the chosen preset of your own.</source>
        <translation>删除所选的自定义预设。</translation>
    </message>
</context>
</TS>