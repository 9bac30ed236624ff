<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>reelwright::BatchDriver</name>
    <message>
        <location filename="../src/batch/BatchDriver.cpp" line="+50"/>
        <source>Error converting file: %1<byte value="xd"/>
%2</source>
        <extracomment>%1 is the file&apos;s name; %2, on the next line, why it failed.</extracomment>
        <translation>转换文件时出错：%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+302"/>
        <source>Added while a batch of chosen files converts: the next batch converts it.</source>
        <translation>在所选文件的批处理转换期间添加：将在下一批中转换。</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The play length &quot;%1&quot; cannot be read.</source>
        <extracomment>%1 is a play length as the list shows it.</extracomment>
        <translation>无法读取播放时长“%1”。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error occured while getting paramters<byte value="xd"/>
%1</source>
        <extracomment>%1, on the next line, is what is wrong with the format.</extracomment>
        <translation>获取参数时出错<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>Checking the result by decoding it</source>
        <translation>正在通过解码检查结果</translation>
    </message>
    <message>
        <source>Measuring the sound&apos;s loudness</source>
        <translation>正在测量声音的响度</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The folder %1 does not keep file locks (%2). Converting into it goes on, but another copy of Reelwright cannot tell whether the hidden file being written there is still being written, so it never removes it: should a copy be ended while it converts into this folder, remove the hidden .reelwright-nolock-... file it leaves by hand, once no copy is converting there.</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason. Keep the file name .reelwright-nolock-...</extracomment>
        <translation>文件夹 %1 不支持文件锁（%2）。向该文件夹的转换会继续，但其他 Reelwright 实例无法判断正在其中写入的隐藏文件是否仍在写入，因此永远不会删除它：如果某个实例在向此文件夹转换时被终止，请在没有任何实例向该文件夹转换后，手动删除它留下的 .reelwright-nolock-... 隐藏文件。</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a note on a converting file: &quot;1:20 left for this file, 2.5x real time&quot;.</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 left for this file</source>
        <extracomment>%1 is a time, such as 1:20.</extracomment>
        <translation>此文件剩余 %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 left for the batch</source>
        <extracomment>%1 is a time, such as 1:20.</extracomment>
        <translation>本批剩余 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 for the batch</source>
        <extracomment>Follows &quot;1:20 left for this file, &quot;: %1 is a time, such as 12:40.</extracomment>
        <translation>本批 %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1x real time</source>
        <extracomment>%1 is how many times faster than playing the file converts, such as 2.5.</extracomment>
        <translation>%1 倍实时速度</translation>
    </message>
</context>
<context>
    <name>reelwright::BoxQueue</name>
    <message numerus="yes">
        <location filename="../src/platform/BoxQueue.cpp" line="+67"/>
        <source>%n more came meanwhile; all of them are under Show Details.</source>
        <translation>
            <numerusform>期间又有 %n 条消息，全部见“显示详细信息”。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::CRegister</name>
    <message>
        <location filename="../src/settings/CRegister.cpp" line="+91"/>
        <source>%1 is read-only</source>
        <extracomment>Why the settings cannot be saved: %1 is their file.</extracomment>
        <translation>%1 为只读</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2</source>
        <extracomment>Why the settings cannot be saved: %1 is their file, %2 the system&apos;s reason.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+202"/>
        <source>the registry refused the values</source>
        <translation>注册表拒绝了这些值</translation>
    </message>
</context>
<context>
    <name>reelwright::CVideoConv</name>
    <message>
        <location filename="../src/engine/CVideoConv.cpp" line="+115"/>
        <source>The encoder options have a quote that is not closed: %1</source>
        <extracomment>%1 is the encoder options as given.</extracomment>
        <translation>编码器选项中有未闭合的引号：%1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Error converting file: %1<byte value="xd"/>
%2</source>
        <extracomment>%1 is the file&apos;s name; %2, on the next line, why it failed.</extracomment>
        <translation>转换文件时出错：%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Error Occured:<byte value="xd"/>
%1</source>
        <extracomment>%1 is a technical description of the fault, for a bug report.</extracomment>
        <translation>发生错误：<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>reelwright::CatalogueScanner</name>
    <message>
        <location filename="../src/formats/CatalogueScanner.cpp" line="+20"/>
        <source>File not found: %1</source>
        <extracomment>%1 is a catalogue&apos;s path.</extracomment>
        <translation>找不到文件：%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2</source>
        <extracomment>%1 is why a catalogue cannot be read, %2 its path.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file is empty: %1</source>
        <extracomment>%1 is a catalogue&apos;s path.</extracomment>
        <translation>文件为空：%1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>a field line has no tag: &quot;%1&quot;</source>
        <extracomment>What is wrong in a catalogue: %1 is one of its lines.</extracomment>
        <translation>字段行没有标签：“%1”</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the &lt;%1&gt; field has no closing tag: &quot;%2&quot;</source>
        <extracomment>What is wrong in a catalogue: %1 is a field&apos;s tag, %2 its line.</extracomment>
        <translation>&lt;%1&gt; 字段没有结束标签：“%2”</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The file has %1 lines; at most %2 are read.</source>
        <extracomment>%1 is a catalogue&apos;s number of lines, %2 the most that are read.</extracomment>
        <translation>该文件有 %1 行；最多只读取 %2 行。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: an entry needs %2 field lines</source>
        <extracomment>What is wrong in a catalogue: %1 is a line number, %2 how many lines an entry has.</extracomment>
        <translation>第 %1 行：每个条目需要 %2 个字段行</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: %2</source>
        <extracomment>Where a catalogue is wrong: %1 is a line number, %2 what is wrong there.</extracomment>
        <translation>第 %1 行：%2</translation>
    </message>
</context>
<context>
    <name>reelwright::CliOptions</name>
    <message>
        <location filename="../src/cli/CliOptions.cpp" line="+13"/>
        <source>Usage: reelwright-cli [options] [--] FILE|FOLDER...
       reelwright-cli [options] --files-from LIST [--null]
       reelwright-cli [options] --watch FOLDER
Converts video files, and the files directly inside folders, one after another with
ffmpeg, as the Reelwright window would. Results never replace an existing file.

  --preset &quot;CATEGORY/LABEL&quot;  a preset, shipped or your own (default: the choice saved
                             by the window)
  --extension EXT            the container, when the preset offers several
  --custom                   the custom fields saved by the window
  --output-folder DIR        results go to DIR (made if missing, one level);
                             default: the folder saved by the window, now
                             %1
  --same-folder              results go beside their inputs
  --jobs N|auto              how many files convert at once, 1 to 8 (default:
                             the window&apos;s choice, at first auto: one more than
                             the cores for short files, fewer for long ones)
  --skip-existing            an input whose result is already there under its
                             plain name counts as done and is not converted
                             again; one another run is converting is left to it
  --files-from LIST          also the files and folders named in LIST, one to a
                             line (- for the standard input)
  --null                     the names in LIST end with NUL (find -print0)
  --dry-run                  tell what would become of each input and its
                             result&apos;s name; convert and write nothing
  --watch FOLDER             convert each video that appears in FOLDER once its
                             size has stopped changing, until stopped
  --tracks all|first         keep every audio and subtitle track the container
                             can hold, or one of each kind (default: the
                             window&apos;s choice, at first all)
  --verify                   decode each result end to end before it takes its
                             name; a decoding error fails the file
  --keep-dates               each result takes its source&apos;s modification time
  --loudness off|LUFS        even every result&apos;s sound to this loudness, -31 to
                             -5: -23 broadcast, -16 web and podcasts, -14
                             streaming; true peaks at most -1 dBTP (default:
                             the window&apos;s choice, at first off)
  --max-size SIZE            each result at most SIZE (25M, 1.5G, 700MiB): the
                             picture&apos;s rate is worked out to fit, and a result
                             over it is encoded again smaller, or fails
  --smaller-to-fit           with --max-size: a picture that cannot fit as it
                             is made smaller (1080p, 720p, 480p, 360p) until
                             it can
  --crop auto|none           remove black bars where the whole film has them
                             (default: none)
  --no-sidecars              subtitle files beside a video (film.en.srt) do not
                             join its result
  --estimate                 tell each result&apos;s size and the time it takes, from
                             a few seconds of it encoded; convert nothing
  --json                     one JSON object per line and per input, then a
                             summary object, instead of the lines for people
  --progress                 with --json: a progress object for each running
                             file, at most once a second
  --list-presets             one line per preset: CATEGORY/LABEL, a tab, its
                             extensions (with --json, an object per preset)
  -h, --help                 show this and end
  --version                  show the version and end
  --                         what follows are files, even if they begin with -

An option&apos;s value follows it (--output-folder out) or is joined to it with =
(--output-folder=out). Each file gets a line telling what became of it, and a
summary ends the run.

The window&apos;s choices are read, never written, from
~/.config/Fennick Reelwright/HKEY_LOCAL_MACHINE.ini (or under $XDG_CONFIG_HOME).
What the encoder says for each file is kept in
~/.local/state/Fennick Reelwright/logs/ (or under $XDG_STATE_HOME).

Exit status:
  0    every file taken was converted (or, with --skip-existing, was already
       there or being converted by another run)
  1    a file failed, could not be read or was stopped, or a file named was
       refused while others were taken
  2    bad usage, or no file could be taken at all: none was given or found,
       or every one was refused
  129, 130, 143  ended by SIGHUP, Ctrl+C (SIGINT) or SIGTERM: the encoder is
       stopped and its unfinished file removed
  141  whoever read the output went away (a closed pipe), with the same care
</source>
        <translation>用法：reelwright-cli [options] [--] FILE|FOLDER...
      reelwright-cli [options] --files-from LIST [--null]
      reelwright-cli [options] --watch FOLDER
像 Reelwright 窗口那样，使用 ffmpeg 逐个转换视频文件以及文件夹中直接包含的
文件。结果绝不会替换已有的文件。

  --preset &quot;CATEGORY/LABEL&quot;  预设，程序自带的或您自己的均可（默认：窗口所
                             保存的选择）
  --extension EXT            预设提供多种容器时要使用的容器
  --custom                   使用窗口所保存的自定义字段
  --output-folder DIR        结果写入 DIR（不存在时创建，仅限一级）；
                             默认：窗口所保存的文件夹，目前为
                             %1
  --same-folder              结果放在各输入文件所在的文件夹中
  --jobs N|auto              同时转换的文件数，1 到 8（默认：窗口中的选择，
                             初始为 auto：短文件比核心数多一个，长文件则
                             更少）
  --skip-existing            若某输入的结果已以默认名称存在，则视为已完成，
                             不再转换；另一个实例正在转换的输入则交由该
                             实例处理
  --files-from LIST          另外转换 LIST 中列出的文件和文件夹，每行一个
                             （- 表示标准输入）
  --null                     LIST 中的名称以 NUL 结尾（find -print0）
  --dry-run                  说明每个输入将如何处理及其结果的名称；不转换，
                             也不写入任何内容
  --watch FOLDER             转换 FOLDER 中出现的每个视频，待其大小不再变化
                             后开始，直到被停止
  --tracks all|first         保留容器能容纳的所有音轨和字幕轨，或每种只保留
                             一条（默认：窗口中的选择，初始为 all）
  --verify                   在每个结果获得名称之前将其从头到尾解码一遍；
                             解码出错则该文件判为失败
  --keep-dates               每个结果采用其源文件的修改时间
  --loudness off|LUFS        将每个结果的声音调整到此响度（-31 到 -5）：
                             -23 广播，-16 网络和播客，-14 流媒体；真峰值
                             不超过 -1 dBTP（默认：窗口中的选择，初始为 off）
  --max-size SIZE            每个结果最多 SIZE（25M、1.5G、700MiB）：按此计算
                             画面码率；超出的结果会以更低码率重新编码，否则失败
  --smaller-to-fit           与 --max-size 一起使用：画面无法按原样放下时，
                             逐级缩小（1080p、720p、480p、360p）直到放下
  --crop auto|none           整部影片都有黑边时去除黑边（默认：none）
  --no-sidecars              视频旁的字幕文件（film.en.srt）不并入其结果
  --estimate                 通过编码几秒内容，给出每个结果的大小和所需时间；
                             不转换任何文件
  --json                     每个输入输出一行 JSON 对象，最后输出一个汇总
                             对象，以代替供人阅读的文本行
  --progress                 与 --json 一起使用：为每个正在转换的文件输出
                             进度对象，最多每秒一次
  --list-presets             每个预设一行：CATEGORY/LABEL、一个制表符及其
                             扩展名（与 --json 一起使用时，每个预设输出一个
                             对象）
  -h, --help                 显示此帮助并退出
  --version                  显示版本并退出
  --                         其后的参数均为文件，即使以 - 开头

选项的值跟在选项之后（--output-folder out），或用 = 与选项相连
（--output-folder=out）。每个文件都会有一行说明其处理结果，运行结束时
输出一份汇总。

窗口中的选择从以下文件读取（从不写入）：
~/.config/Fennick Reelwright/HKEY_LOCAL_MACHINE.ini（或 $XDG_CONFIG_HOME 下）。
每个文件的编码器输出保存在：
~/.local/state/Fennick Reelwright/logs/（或 $XDG_STATE_HOME 下）。

退出状态：
  0    所有已接受的文件均已转换（或在使用 --skip-existing 时，文件已存在
       或正由另一个实例转换）
  1    有文件转换失败、无法读取或被停止，或在接受其他文件的同时有指定的
       文件被拒绝
  2    用法错误，或根本没有可接受的文件：未指定或未找到任何文件，或所有
       文件均被拒绝
  129, 130, 143  被 SIGHUP、Ctrl+C（SIGINT）或 SIGTERM 终止：编码器会被
       停止，其未完成的文件会被删除
  141  读取输出的一方已离开（管道已关闭），处理方式同上
</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Unknown option %1. A file whose name begins with - goes after --.</source>
        <translation>未知选项 %1。名称以 - 开头的文件须放在 -- 之后。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>An empty name was given where a file or folder was expected.</source>
        <translation>在应为文件或文件夹的位置给出了空名称。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 needs a value.</source>
        <translation>%1 需要一个值。</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 takes no value.</source>
        <translation>%1 不接受值。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is given twice.</source>
        <translation>%1 被指定了两次。</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>--jobs takes a number from 1 to %1, or auto.</source>
        <translation>--jobs 接受 1 到 %1 之间的数字，或 auto。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--tracks takes all or first.</source>
        <translation>--tracks 接受 all 或 first。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknown option %1.</source>
        <translation>未知选项 %1。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--preset and --custom cannot be used together.</source>
        <translation>--preset 和 --custom 不能同时使用。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--extension goes with --preset.</source>
        <translation>--extension 须与 --preset 一起使用。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--same-folder and --output-folder cannot be used together.</source>
        <translation>--same-folder 和 --output-folder 不能同时使用。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--progress goes with --json.</source>
        <translation>--progress 须与 --json 一起使用。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--null goes with --files-from.</source>
        <translation>--null 须与 --files-from 一起使用。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch takes no other files or folders.</source>
        <translation>使用 --watch 时不能再指定其他文件或文件夹。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch and --dry-run cannot be used together.</source>
        <translation>--watch 和 --dry-run 不能同时使用。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No file or folder to convert was given.</source>
        <translation>未指定要转换的文件或文件夹。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliOptions.h" line="+46"/>
        <source>Try reelwright-cli --help.</source>
        <translation>请尝试 reelwright-cli --help。</translation>
    </message>
    <message>
        <source>--crop takes auto or none.</source>
        <translation>--crop 的取值为 auto 或 none。</translation>
    </message>
    <message>
        <source>--watch and --estimate cannot be used together.</source>
        <translation>--watch 和 --estimate 不能同时使用。</translation>
    </message>
    <message>
        <source>%1 takes only a name that is valid UTF-8; rename the file or folder, or give a link to it whose name is.</source>
        <translation>%1 只接受有效 UTF-8 的名称；请重命名该文件或文件夹，或给出一个指向它且名称为有效 UTF-8 的链接。</translation>
    </message>
    <message>
        <source>--loudness takes off, or a loudness in LUFS from %1 to %2 (such as -23, -16 or -14).</source>
        <extracomment>%1 and %2 are the lowest and highest loudness taken, such as -31 and -5.</extracomment>
        <translation>--loudness 接受 off，或 %1 到 %2 之间以 LUFS 为单位的响度（例如 -23、-16 或 -14）。</translation>
    </message>
    <message>
        <source>--max-size takes %1.</source>
        <extracomment>%1 names the accepted forms of a size.</extracomment>
        <translation>--max-size 接受 %1。</translation>
    </message>
</context>
<context>
    <name>reelwright::CliReport</name>
    <message>
        <location filename="../src/cli/CliReport.cpp" line="+93"/>
        <source>converting</source>
        <translation>正在转换</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>refused: %1</source>
        <translation>已拒绝：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already converted -&gt; %1</source>
        <translation>已转换过 -&gt; %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>being converted elsewhere -&gt; %1</source>
        <translation>正由另一个实例转换 -&gt; %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>would convert -&gt; %1</source>
        <translation>将会转换 -&gt; %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not converted: the run was stopped</source>
        <translation>未转换：运行已被停止</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>%1, %2</source>
        <extracomment>Joins the counts of the run&apos;s summary: &quot;1 converted, 0 failed&quot; and &quot;2 refused&quot;.</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 file</source>
        <translation>1 个文件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 files</source>
        <translation>%1 个文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2</source>
        <extracomment>The run&apos;s summary: %1 is how many files, %2 what became of them.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>%1 would convert</source>
        <translation>%1 个将会转换</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 converted, %2 failed</source>
        <translation>%1 个已转换，%2 个失败</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 failed</source>
        <translation>%1 个失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 unreadable</source>
        <translation>%1 个无法读取</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 refused</source>
        <translation>%1 个被拒绝</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already converted</source>
        <translation>%1 个已转换过</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 being converted elsewhere</source>
        <translation>%1 个正由另一个实例转换</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stopped</source>
        <translation>%1 个已停止</translation>
    </message>
</context>
<context>
    <name>reelwright::CommandLineConverter</name>
    <message>
        <location filename="../src/cli/CommandLineConverter.cpp" line="+290"/>
        <source>no preset &quot;%1&quot;; --list-presets shows them all. The closest:</source>
        <translation>没有预设“%1”；--list-presets 会列出全部预设。最接近的有：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no preset &quot;%1&quot; (--preset takes &quot;CATEGORY/LABEL&quot;); --list-presets shows them all. The closest:</source>
        <translation>没有预设“%1”（--preset 接受 &quot;CATEGORY/LABEL&quot;）；--list-presets 会列出全部预设。最接近的有：</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the preset offers %1, not %2.</source>
        <translation>该预设提供的是 %1，而不是 %2。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the format cannot be used: %1</source>
        <translation>无法使用该格式：%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no output format is chosen; give --preset or --custom.</source>
        <translation>未选择输出格式；请指定 --preset 或 --custom。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the list %1 cannot be read: %2</source>
        <translation>无法读取列表 %1：%2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the folder holds no files</source>
        <translation>该文件夹中没有文件</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>%1; a run beside this one may convert the same files</source>
        <translation>%1；与本次运行同时进行的另一个实例可能会转换相同的文件</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>beside each input</source>
        <translation>各输入文件所在的文件夹</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>nothing to convert.</source>
        <translation>没有要转换的内容。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no such folder to watch</source>
        <translation>要监视的文件夹不存在</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the results would land in the watched folder %1; give --output-folder with another folder</source>
        <translation>结果将会写入被监视的文件夹 %1；请用 --output-folder 指定其他文件夹</translation>
    </message>
    <message>
        <source>The format or the file&apos;s length cannot be had.</source>
        <translation>无法获得格式或文件时长。</translation>
    </message>
    <message>
        <source>%1: the watched folder is back</source>
        <translation>%1：被监视的文件夹已恢复</translation>
    </message>
    <message>
        <source>%1; waiting for it to come back</source>
        <translation>%1；正在等待其恢复</translation>
    </message>
    <message>
        <source>the result keeps this name: it could not take its input&apos;s: %1</source>
        <translation>结果保留此名称：无法采用其输入文件的名称：%1</translation>
    </message>
</context>
<context>
    <name>reelwright::CustomFormat</name>
    <message>
        <location filename="../src/formats/CustomFormat.cpp" line="+39"/>
        <source>The video bit rate &quot;%1&quot; is not a number.</source>
        <translation>视频码率“%1”不是数字。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is not a number.</source>
        <translation>音频码率“%1”不是数字。</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The video bit rate &quot;%1&quot; is not above 0.</source>
        <translation>视频码率“%1”不大于 0。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is not above 0.</source>
        <translation>音频码率“%1”不大于 0。</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The video bit rate &quot;%1&quot; is too large.</source>
        <translation>视频码率“%1”过大。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is too large.</source>
        <translation>音频码率“%1”过大。</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>The channel count &quot;%1&quot; is not above 0.</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>声道数“%1”不大于 0。</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The video size &quot;%1&quot; is not one of the list.</source>
        <extracomment>%1 is a video size as given.</extracomment>
        <translation>画面尺寸“%1”不在列表中。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The frame rate &quot;%1&quot; is not above 0.</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>帧率“%1”不大于 0。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Copy (no re-encoding)</source>
        <extracomment>The choice of a codec list that copies the track as it is.</extracomment>
        <translation>复制（不重新编码）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The video is copied as it is (Copy, no re-encoding): its bit rate, size, aspect and frame rate stay the source&apos;s.</source>
        <translation>视频按原样复制（“复制”，不重新编码）：其码率、尺寸、宽高比和帧率均与源文件相同。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The sound is copied as it is (Copy, no re-encoding): its sampling rate, bit rate and channels stay the source&apos;s.</source>
        <translation>音频按原样复制（“复制”，不重新编码）：其采样率、码率和声道均与源文件相同。</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Audio Bitrate</source>
        <translation>音频码率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Video Bitrate</source>
        <translation>视频码率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame Rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Field in the custom Format must be a number greater than 0.</source>
        <extracomment>%1 is a field&apos;s name: Audio Bitrate, Channels, Video Bitrate or Frame Rate.</extracomment>
        <translation>自定义格式中的“%1”字段必须是大于 0 的数字。</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>The %1 container cannot hold %2 video. Choose one of: %3.</source>
        <extracomment>%1 is a container, such as AVI; %2 a codec; %3 the codecs it holds.</extracomment>
        <translation>%1 容器无法容纳 %2 视频。请从以下编码中选择：%3。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The %1 container cannot hold %2 sound. Choose one of: %3.</source>
        <extracomment>%1 is a container, such as AVI; %2 a codec; %3 the codecs it holds.</extracomment>
        <translation>%1 容器无法容纳 %2 音频。请从以下编码中选择：%3。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Category:%1, Codec:&quot;%2&quot;, Container:&quot;%3&quot;</source>
        <extracomment>The chosen preset: %1 is its category, %2 its name, %3 its container.</extracomment>
        <translation>类别：%1，编码：“%2”，容器：“%3”</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Container:%1, Video Codec:&quot;%2&quot;, Audio Codec:&quot;%3&quot;</source>
        <extracomment>The custom format: %1 is its container, %2 and %3 its codecs.</extracomment>
        <translation>容器：%1，视频编码：“%2”，音频编码：“%3”</translation>
    </message>
</context>
<context>
    <name>reelwright::DOSOutputs</name>
    <message>
        <location filename="../src/engine/DOSOutputs.cpp" line="+75"/>
        <source>Command Line is empty</source>
        <translation>命令行为空</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+20"/>
        <source>CreatePipe failed. Error: %1</source>
        <extracomment>%1 is the system&apos;s error number.</extracomment>
        <translation>CreatePipe 失败。错误：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File or command not found</source>
        <translation>找不到文件或命令</translation>
    </message>
</context>
<context>
    <name>reelwright::DecodeCheck</name>
    <message>
        <location filename="../src/engine/DecodeCheck.cpp" line="+107"/>
        <source>The encoder could not be started to check %1 by decoding it.</source>
        <extracomment>%1 is the converted file.</extracomment>
        <translation>无法启动编码器来通过解码检查 %1。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 decodes only %2 of %3 seconds, so it was not kept.</source>
        <extracomment>%1 is the converted file; %2 and %3 are numbers of seconds.</extracomment>
        <translation>%1 只能解码 %3 秒中的 %2 秒，因此未保留。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 does not decode without errors, so it was not kept.</source>
        <extracomment>%1 is the converted file.</extracomment>
        <translation>%1 解码时出错，因此未保留。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 does not decode without errors, so it was not kept: %2</source>
        <extracomment>%1 is the converted file, %2 the decoder&apos;s first complaint.</extracomment>
        <translation>%1 解码时出错，因此未保留：%2</translation>
    </message>
</context>
<context>
    <name>reelwright::Desktop</name>
    <message>
        <location filename="../src/platform/Desktop.cpp" line="+41"/>
        <source>the file is missing.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>该文件不存在。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the desktop has no program for it. Installing xdg-utils (sudo apt install xdg-utils) and a player or browser helps.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>桌面环境中没有能打开它的程序。安装 xdg-utils（sudo apt install xdg-utils）以及播放器或浏览器会有所帮助。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no program on this computer could open it. Install a player or browser, or choose one as the desktop&apos;s default for it.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>此计算机上没有能打开它的程序。请安装播放器或浏览器，或在桌面环境中将某个程序设为打开它的默认程序。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 could not be opened: %2</source>
        <extracomment>%1 is a file or web address, %2 why it could not be opened.</extracomment>
        <translation>无法打开 %1：%2</translation>
    </message>
</context>
<context>
    <name>reelwright::Dialogs</name>
    <message>
        <location filename="../src/platform/Dialogs.cpp" line="+61"/>
        <source>Save as Preset</source>
        <translation>另存为预设</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Category</source>
        <translation>类别</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preset name</source>
        <translation>预设名称</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Category:</source>
        <translation>类别：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset name:</source>
        <translation>预设名称：</translation>
    </message>
</context>
<context>
    <name>reelwright::Encoder</name>
    <message>
        <location filename="../src/engine/Encoder.cpp" line="+33"/>
        <source>The encoder %1 cannot be run: it is not executable. Make it executable (chmod +x) or remove it to use the ffmpeg installed on the system.</source>
        <extracomment>%1 is the path of the ffmpeg beside the program.</extracomment>
        <translation>无法运行编码器 %1：它没有可执行权限。请为其添加可执行权限（chmod +x），或将其删除以使用系统中安装的 ffmpeg。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The encoder ffmpeg was not found. It was looked for in %1 and in the folders of PATH (%2). Install it with: sudo apt install ffmpeg</source>
        <extracomment>%1 is the program&apos;s folder, %2 the folders of PATH.</extracomment>
        <translation>找不到编码器 ffmpeg。已在 %1 以及 PATH 中的文件夹（%2）中查找。请使用以下命令安装：sudo apt install ffmpeg</translation>
    </message>
</context>
<context>
    <name>reelwright::EncoderOutputView</name>
    <message>
        <location filename="../src/window/EncoderOutputView.cpp" line="+20"/>
        <source>Encoder Output - %1</source>
        <translation>编码器输出 - %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Copy All</source>
        <translation>全部复制</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What the encoder said</source>
        <translation>编码器的输出</translation>
    </message>
</context>
<context>
    <name>reelwright::FailureReason</name>
    <message>
        <location filename="../src/engine/FailureReason.cpp" line="+108"/>
        <source>%1 has no sound to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 没有可转换的音频。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has no picture to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 没有可转换的画面。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 has neither picture nor sound to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 既没有画面也没有音频可供转换。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The chosen format keeps nothing of %1.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>所选格式不会保留 %1 的任何内容。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing was converted: %1 holds no picture frames or sound samples the encoder could read. It may be empty or damaged.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>未转换任何内容：%1 中没有编码器能读取的画面帧或音频采样。该文件可能为空或已损坏。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The encoder cannot read %1: it is not a kind of media file it knows, or it is damaged.</source>
        <extracomment>%1 is a file&apos;s name.</extracomment>
        <translation>编码器无法读取 %1：它不是编码器能识别的媒体文件类型，或者已损坏。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The encoder took more than %1 seconds to read %2, so it is taken as unreadable.</source>
        <extracomment>%1 is a number of seconds, %2 a file&apos;s name.</extracomment>
        <translation>编码器读取 %2 的用时超过 %1 秒，因此将其视为无法读取。</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The disk of %1 is full: %2 could not be written.</source>
        <extracomment>%1 is a folder, %2 the converted file&apos;s name.</extracomment>
        <translation>%1 所在的磁盘已满：无法写入 %2。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 grew larger than the disk of %2 allows for one file.</source>
        <extracomment>%1 is the converted file&apos;s name, %2 its folder.</extracomment>
        <translation>%1 的大小超出了 %2 所在磁盘允许的单个文件大小上限。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be written: permission denied.</source>
        <extracomment>%1 is the output folder.</extracomment>
        <translation>无法写入 %1：权限不足。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is on a disk that cannot be written to (read-only).</source>
        <extracomment>%1 is the output folder.</extracomment>
        <translation>%1 位于无法写入的磁盘上（只读）。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The output folder %1 is not there any more.</source>
        <translation>输出文件夹 %1 已不存在。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not there any more: it was moved, renamed or deleted after it was added.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 已不存在：它在添加后被移动、重命名或删除了。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot be read: permission denied.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>无法读取 %1：权限不足。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg has no encoder &quot;%1&quot;: choose another codec, or install an ffmpeg that has it.</source>
        <extracomment>%1 is the encoder&apos;s name for a codec, such as libx264.</extracomment>
        <translation>此 ffmpeg 没有编码器“%1”：请选择其他编码，或安装带有该编码器的 ffmpeg。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg has no encoder for the chosen format: choose another format, or install an ffmpeg that has it.</source>
        <translation>此 ffmpeg 没有适用于所选格式的编码器：请选择其他格式，或安装带有该编码器的 ffmpeg。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg does not know the option -%1 of the chosen format.</source>
        <extracomment>%1 is an encoder option&apos;s name, shown after its dash.</extracomment>
        <translation>此 ffmpeg 不识别所选格式的选项 -%1。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder refused the value &quot;%1&quot; of the option -%2 of the chosen format.</source>
        <extracomment>%1 is a value, %2 an encoder option&apos;s name, shown after its dash.</extracomment>
        <translation>编码器拒绝了所选格式中选项 -%2 的值“%1”。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The encoder refused the chosen format&apos;s settings for %1.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>编码器拒绝了所选格式用于 %1 的设置。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The encoder refused the chosen format&apos;s settings for %1: %2</source>
        <extracomment>%1 is the name of the file being converted, %2 the encoder&apos;s own words.</extracomment>
        <translation>编码器拒绝了所选格式用于 %1 的设置：%2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The chosen container cannot hold what the format puts in it.</source>
        <translation>所选容器无法容纳该格式放入其中的内容。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The chosen container cannot hold what the format puts in it: %1</source>
        <extracomment>%1 is the encoder&apos;s own words.</extracomment>
        <translation>所选容器无法容纳该格式放入其中的内容：%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The encoder was interrupted (signal %1) before it finished %2.</source>
        <extracomment>%1 is a signal&apos;s number, %2 the name of the file being converted.</extracomment>
        <translation>编码器在完成 %2 之前被中断（信号 %1）。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The encoder could not convert %1:<byte value="xd"/>
%2</source>
        <extracomment>%1 is the name of the file being converted; the encoder&apos;s own last lines follow on the next line (%2).</extracomment>
        <translation>编码器无法转换 %1：<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The encoder stopped with exit code %1.</source>
        <translation>编码器已停止，退出代码为 %1。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The encoder crashed.</source>
        <translation>编码器崩溃了。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The encoder wrote nothing into %1.</source>
        <extracomment>%1 is the converted file&apos;s name.</extracomment>
        <translation>编码器未向 %1 写入任何内容。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The input file ended early: only %1 of %2 seconds were converted. It may be truncated or damaged.</source>
        <extracomment>%1 and %2 are numbers of seconds.</extracomment>
        <translation>输入文件提前结束：%2 秒中只转换了 %1 秒。该文件可能不完整或已损坏。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The input file ended early. It may be truncated or damaged.</source>
        <translation>输入文件提前结束。该文件可能不完整或已损坏。</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 what it is instead of a file (&quot;it is a named pipe, not a regular file&quot;).</extracomment>
        <translation>未读取 %1：%2。</translation>
    </message>
</context>
<context>
    <name>reelwright::FileEstimate</name>
    <message>
        <source>about %1 s</source>
        <translation>约 %1 秒</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>约 %1 分钟</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>约 %1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>About %1, %2 to convert</source>
        <translation>约 %1，转换需 %2</translation>
    </message>
    <message>
        <source>About %1; %2</source>
        <translation>约 %1；%2</translation>
    </message>
    <message>
        <source>Its length is not known.</source>
        <translation>其时长未知。</translation>
    </message>
    <message>
        <source>A piece of it could not be encoded.</source>
        <translation>其中一段无法编码。</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
</context>
<context>
    <name>reelwright::FormatChoice</name>
    <message>
        <location filename="../src/formats/FormatChoice.cpp" line="+25"/>
        <source>Error Occured while Loading Presets.</source>
        <translation>加载预设时出错。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The catalogue holds no video codec.</source>
        <translation>清单中没有视频编码。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The catalogue holds no audio codec.</source>
        <translation>清单中没有音频编码。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Error Occured while Loading Codecs.</source>
        <translation>加载编码时出错。</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>There is no folder for your own presets.</source>
        <translation>没有用于存放您自己的预设的文件夹。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; in &quot;%2&quot; (%3) is a preset that comes with the program; choose another name.</source>
        <translation>“%2”中的“%1”（%3）是程序自带的预设；请换一个名称。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The custom format&apos;s options cannot be kept in a preset: %1</source>
        <translation>自定义格式的选项无法保存到预设中：%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The preset could not be saved in %1: %2</source>
        <translation>无法将预设保存到 %1：%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The preset &quot;%1&quot; was replaced under &quot;%2&quot; with the presets, kept in %3.</source>
        <translation>已替换预设列表中“%2”下的预设“%1”，该预设保存在 %3 中。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The preset &quot;%1&quot; is listed under &quot;%2&quot; with the presets, kept in %3.</source>
        <translation>预设“%1”已列在预设列表的“%2”下，该预设保存在 %3 中。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Only presets of your own can be removed.</source>
        <translation>只能删除您自己的预设。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset could not be removed from %1: %2</source>
        <translation>无法从 %1 中删除预设：%2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>the video codec &quot;%1&quot;</source>
        <translation>视频编码“%1”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the audio codec &quot;%1&quot;</source>
        <translation>音频编码“%1”</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the video codec at position %1</source>
        <translation>位于第 %1 项的视频编码</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the audio codec at position %1</source>
        <translation>位于第 %1 项的音频编码</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A codec saved for the custom format is no longer in the codec list (%1), so none is chosen in its place: choose one in the format panel before converting with the custom format.</source>
        <translation>为自定义格式保存的某个编码已不在编码列表中（%1），因此未选择任何编码来代替它：使用自定义格式转换之前，请在格式面板中选择一个编码。</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No video codec is chosen in the custom format: choose one in the format panel.</source>
        <translation>自定义格式中未选择视频编码：请在格式面板中选择一个。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No audio codec is chosen in the custom format: choose one in the format panel.</source>
        <translation>自定义格式中未选择音频编码：请在格式面板中选择一个。</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>The preset &quot;%1 / %2&quot; (%3) has a quote that is not closed in its params: %4</source>
        <translation>预设“%1 / %2”（%3）的参数中有未闭合的引号：%4</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>A codec name of the custom format has a quote that is not closed: %1</source>
        <translation>自定义格式的某个编码名称中有未闭合的引号：%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Channels Field in the custom Format can not be empty.</source>
        <translation>自定义格式中的“声道”字段不能为空。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Frame Rate Field in the custom Format can not be empty.</source>
        <translation>自定义格式中的“帧率”字段不能为空。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Audio Bitrate Field in the custom Format can not be empty.</source>
        <translation>自定义格式中的“音频码率”字段不能为空。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Video Bitrate Field in the custom Format can not be empty.</source>
        <translation>自定义格式中的“视频码率”字段不能为空。</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The %1 container holds video only: the sound is left out.</source>
        <translation>%1 容器只能容纳视频：音频将被略去。</translation>
    </message>
    <message>
        <source>&quot;%1 / %2&quot; (%3)</source>
        <extracomment>A preset as the user is told of it: its category, its name and its container.</extracomment>
        <translation>“%1 / %2”（%3）</translation>
    </message>
    <message>
        <source>The custom format&apos;s options cannot be used: %1</source>
        <translation>无法使用自定义格式的选项：%1</translation>
    </message>
    <message>
        <source>The preset &quot;%1 / %2&quot; (%3) cannot be used: %4</source>
        <translation>无法使用预设“%1 / %2”（%3）：%4</translation>
    </message>
    <message>
        <source>The preset %1 in %2 was left out.<byte value="xd"/>
It holds more than options for the file being converted: %3.</source>
        <extracomment>%1 is a preset, %2 the file it is in, %3 why it was left out.</extracomment>
        <translation>已略去 %2 中的预设 %1。<byte value="xd"/>
它所含的不仅仅是用于所转换文件的选项：%3。</translation>
    </message>
    <message>
        <source>These presets in %1 were left out, since they hold more than options for the file being converted:<byte value="xd"/>
%2</source>
        <extracomment>%1 is a file of presets, %2 the presets left out of it, one a line.</extracomment>
        <translation>%1 中的以下预设已略去，因为它们所含的不仅仅是用于所转换文件的选项：<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>reelwright::JobGrid</name>
    <message>
        <location filename="../src/joblist/JobGridAccessible.cpp" line="+42"/>
        <source>Ticked</source>
        <translation>已勾选</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not ticked</source>
        <translation>未勾选</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Empty</source>
        <translation>空</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Tick</source>
        <translation>勾选</translation>
    </message>
</context>
<context>
    <name>reelwright::JobList</name>
    <message>
        <location filename="../src/joblist/JobList.cpp" line="+48"/>
        <source>its full name is too long for the system (%1 bytes; the most it takes is %2), so neither Reelwright nor the encoder can open it</source>
        <extracomment>Why a file is not added. %1 and %2 are numbers of bytes.</extracomment>
        <translation>其完整路径对系统来说过长（%1 字节；最多允许 %2 字节），因此 Reelwright 和编码器都无法打开它</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>one of the names in its path is too long for the system (the most it takes is %1 bytes)</source>
        <extracomment>Why a file is not added. %1 is a number of bytes.</extracomment>
        <translation>其路径中的某个名称对系统来说过长（最多允许 %1 字节）</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An error occured while Adding File<byte value="xd"/>%1:%2</source>
        <extracomment>%1 is an error number, %2 what went wrong.</extracomment>
        <translation>添加文件时出错<byte value="xd"/>%1:%2</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>it has no extension, so its kind cannot be told</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>它没有扩展名，因此无法判断其类型</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a video file (.%1)</source>
        <extracomment>Why a file is not added. %1 is its extension.</extracomment>
        <translation>不是视频文件（.%1）</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>another add is running</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>另一个添加操作正在进行</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>already in the list</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>已在列表中</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>its name is not valid UTF-8, so it cannot be passed on unchanged; rename the file to add it</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>其名称不是有效的 UTF-8，因此无法原样传递；请重命名该文件后再添加</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not found</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>找不到</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a regular file</source>
        <extracomment>Why a file is not added: it is a folder, a device or a pipe.</extracomment>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bad file name: %1 (%2)</source>
        <extracomment>%1 is a path, %2 why it cannot be used.</extracomment>
        <translation>无效的文件名：%1（%2）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File not found: %1 (%2)</source>
        <extracomment>%1 is a path, %2 why it cannot be used.</extracomment>
        <translation>找不到文件：%1（%2）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it cannot be read (permission denied)</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>无法读取（权限不足）</translation>
    </message>
    <message>
        <source>a sound file, with no picture: to convert it, choose one of the Audio Only presets</source>
        <extracomment>Why a file is not added. &quot;Audio Only&quot; is the category of presets in the format panel; keep it as the panel shows it.</extracomment>
        <translation>是音频文件，没有画面：要转换它，请选择“Audio Only”类别中的一个预设</translation>
    </message>
    <message>
        <source>it has no sound, and the chosen format keeps sound only</source>
        <extracomment>Why a file is not added: the chosen format (an Audio Only preset) makes sound files.</extracomment>
        <translation>它没有音频，而所选格式只保留音频</translation>
    </message>
    <message>
        <source>it holds neither picture nor sound to convert</source>
        <extracomment>Why a file is not added: it can be read, but has no track a conversion can keep.</extracomment>
        <translation>它既没有画面也没有音频可供转换</translation>
    </message>
</context>
<context>
    <name>reelwright::JobListStore</name>
    <message>
        <location filename="../src/joblist/JobListStore.cpp" line="+188"/>
        <source>File Path</source>
        <translation>文件路径</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Conversion Status</source>
        <translation>转换状态</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time Length</source>
        <translation>时长</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
</context>
<context>
    <name>reelwright::KeptListScanner</name>
    <message>
        <location filename="../src/batch/KeptListScanner.cpp" line="+44"/>
        <source>reading was abandoned</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>读取已中止</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it ends too early</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>文件过早结束</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+6"/>
        <source>it is not a kept job list</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>它不是已保存的文件列表</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a member has no name at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>第 %1 字节处的成员没有名称</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a member has no value at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>第 %1 字节处的成员没有值</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>the rows are not a list at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>第 %1 字节处的行不是列表</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a value cannot be read before byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>第 %1 字节之前有一个值无法读取</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>garbage at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>第 %1 字节处有无效数据</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>garbage at the end</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>末尾有无效数据</translation>
    </message>
</context>
<context>
    <name>reelwright::KeptQueue</name>
    <message>
        <location filename="../src/batch/KeptQueue.cpp" line="+295"/>
        <source>it is not a kept job list</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>它不是已保存的文件列表</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it was written by a newer Reelwright</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>它由更新版本的 Reelwright 写入</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: %2</source>
        <extracomment>Why the job list cannot be kept: %1 is its file, %2 the reason.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is larger than any list of files</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>它比任何文件列表都大</translation>
    </message>
</context>
<context>
    <name>reelwright::MediaTracks</name>
    <message>
        <location filename="../src/engine/MediaTracks.cpp" line="+272"/>
        <source>out of memory</source>
        <extracomment>Why a file&apos;s tracks could not be read.</extracomment>
        <translation>内存不足</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+7"/>
        <source>it took too long to read</source>
        <extracomment>Why a file&apos;s tracks could not be read.</extracomment>
        <translation>读取耗时过长</translation>
    </message>
</context>
<context>
    <name>reelwright::Notifier</name>
    <message>
        <location filename="../src/platform/Notifier.cpp" line="+66"/>
        <source>... and %1 more</source>
        <extracomment>Ends a list cut short in a message: %1 is how many lines are not shown.</extracomment>
        <translation>…以及另外 %1 项</translation>
    </message>
</context>
<context>
    <name>reelwright::OutputNaming</name>
    <message>
        <location filename="../src/batch/OutputNaming.cpp" line="+106"/>
        <source>The output folder %1 does not exist and cannot be made: %2.</source>
        <extracomment>%1 is a folder, %2 why it cannot be made.</extracomment>
        <translation>输出文件夹 %1 不存在且无法创建：%2。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Every name for the converted file is taken in %1.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>%1 中可供转换后文件使用的名称均已被占用。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Folder is not exist and can not be created.</source>
        <translation>输出文件夹不存在且无法创建。</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>its parent folder does not exist (only one missing level is made)</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>其上级文件夹不存在（只会创建缺失的一级文件夹）</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>no folder is given</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>未指定文件夹</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not a full path</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>不是完整路径</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a file of that name is in the way</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>已有同名文件占用了该名称</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>it could not be made</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>无法创建</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>No file can be written in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>无法在 %1 中写入文件：%2</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>The converted file could not be named %1: %2.</source>
        <extracomment>%1 is a path, %2 the system&apos;s reason.</extracomment>
        <translation>无法将转换后的文件命名为 %1：%2。</translation>
    </message>
    <message>
        <source>The converted file was taken away from %1 by another program while it was written, so it was not kept.</source>
        <extracomment>%1 is a hidden file&apos;s path.</extracomment>
        <translation>转换后的文件在写入期间被另一个程序从 %1 移走，因此未保留。</translation>
    </message>
</context>
<context>
    <name>reelwright::OwnPresets</name>
    <message>
        <location filename="../src/formats/OwnPresets.cpp" line="+25"/>
        <source>Your own presets in %1 cannot be read (%2), so they are not listed; the file is left as it is.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 why it cannot be read.</extracomment>
        <translation>无法读取 %1 中您自己的预设（%2），因此未列出这些预设；该文件保持原样。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why a preset cannot be saved: %1 is a folder.</extracomment>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Your own presets in %1 are damaged (%2). The file was set aside as %3; the presets that come with the program are listed.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 what is wrong in it, %3 the name it was given.</extracomment>
        <translation>%1 中您自己的预设已损坏（%2）。该文件已另存为 %3；现列出的是程序自带的预设。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your own presets in %1 are damaged (%2) and could not be set aside, so they are not listed.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 what is wrong in it.</extracomment>
        <translation>%1 中您自己的预设已损坏（%2），且无法另存，因此未列出这些预设。</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>category</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>类别</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>name</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>container</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>容器</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 cannot be empty.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>预设的%1不能为空。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 cannot begin or end with a space.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>预设的%1开头和结尾不能有空格。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 can be at most 100 characters long.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>预设的%1最多只能有 100 个字符。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The preset&apos;s %1 cannot hold &quot;&lt;&quot;, &quot;&gt;&quot; or a line break.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>预设的%1不能包含“&lt;”、“&gt;”或换行符。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The preset&apos;s category cannot hold &quot;/&quot;.</source>
        <translation>预设的类别不能包含“/”。</translation>
    </message>
    <message>
        <source>it lists no presets: it begins with &lt;%1&gt;, not &lt;presets&gt;</source>
        <extracomment>%1 is the name of the first element of a file that should list presets.</extracomment>
        <translation>其中没有列出预设：它以 &lt;%1&gt; 开头，而不是 &lt;presets&gt;</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <extracomment>%1 and %2 are a line and a column of the file; %3 what the XML reader found there.</extracomment>
        <translation>第 %1 行，第 %2 列：%3</translation>
    </message>
    <message>
        <source>the preset that ends on line %1 lacks its label, params, extension or category</source>
        <extracomment>%1 is a line number of the file of one&apos;s own presets.</extracomment>
        <translation>在第 %1 行结束的预设缺少名称、参数、扩展名或类别</translation>
    </message>
</context>
<context>
    <name>reelwright::PassLogs</name>
    <message>
        <source>No folder for the first pass&apos;s log can be made as %1: %2</source>
        <translation>无法为第一遍的日志创建文件夹 %1：%2</translation>
    </message>
</context>
<context>
    <name>reelwright::PicturePlan</name>
    <message>
        <location filename="../src/batch/PicturePlan.cpp" line="+165"/>
        <source>Interlaced picture kept, top field first.</source>
        <translation>保留隔行扫描画面，顶场优先。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interlaced picture kept, bottom field first.</source>
        <translation>保留隔行扫描画面，底场优先。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Interlaced picture made progressive.</source>
        <translation>隔行扫描画面已转为逐行扫描。</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>HDR kept: 10-bit, BT.2020 with %1.</source>
        <extracomment>%1 is the HDR transfer curve: PQ or HLG.</extracomment>
        <translation>保留 HDR：10 位，BT.2020，%1 传输曲线。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>HDR kept: 10-bit, BT.2020 with %1, and its mastering display and light levels.</source>
        <extracomment>%1 is the HDR transfer curve: PQ or HLG.</extracomment>
        <translation>保留 HDR：10 位，BT.2020，%1 传输曲线，以及母版显示信息和亮度级别。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>HDR brought to standard range (BT.709).</source>
        <translation>HDR 已转换为标准动态范围（BT.709）。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Full-range picture brought to standard range.</source>
        <translation>全范围画面已转换为标准范围。</translation>
    </message>
    <message>
        <source>Black bars removed: %1 of %2.</source>
        <translation>已去除黑边：%2 中的 %1。</translation>
    </message>
    <message>
        <source>Film frames put back together (%1 fps).</source>
        <extracomment>%1 is the film&apos;s rate of frames a second: 23.976 or 24.</extracomment>
        <translation>已将电影帧重新组合（%1 fps）。</translation>
    </message>
    <message>
        <source>Frames flagged interlaced are whole pictures: left as they are.</source>
        <translation>标记为隔行扫描的帧实为完整画面：保持原样。</translation>
    </message>
    <message>
        <source>Interlaced parts made progressive; whole frames left as they are.</source>
        <translation>隔行扫描部分已转为逐行扫描；完整帧保持原样。</translation>
    </message>
    <message>
        <source>Interlaced picture brought to %1 fields a second, top field first.</source>
        <extracomment>%1 is a count of fields a second: 50 or 59.94.</extracomment>
        <translation>隔行扫描画面已调整为每秒 %1 场，顶场优先。</translation>
    </message>
</context>
<context>
    <name>reelwright::ResultClaim</name>
    <message>
        <location filename="../src/batch/ResultClaim.cpp" line="+75"/>
        <source>the claim file cannot be made: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>无法创建占位文件：%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the folder keeps no locks: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>该文件夹不支持文件锁：%1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the claim file keeps changing</source>
        <translation>占位文件不断变化</translation>
    </message>
</context>
<context>
    <name>reelwright::RunLog</name>
    <message>
        <location filename="../src/batch/RunLog.cpp" line="+30"/>
        <source>%1 cannot be made</source>
        <extracomment>Why no log can be written: %1 is the logs&apos; folder.</extracomment>
        <translation>无法创建 %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>no file can be written in %1: %2</source>
        <extracomment>Why no log can be written: %1 is the logs&apos; folder, %2 the system&apos;s reason.</extracomment>
        <translation>无法在 %1 中写入文件：%2</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%1 cannot be written: %2</source>
        <extracomment>Why a log is not whole: %1 is its file, %2 the system&apos;s reason.</extracomment>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>reelwright::SizeFitting</name>
    <message>
        <source>A copy keeps its picture as it is, so it cannot be made to fit a size: choose a format that encodes the picture.</source>
        <translation>复制会保持画面原样，因此无法按大小调整：请选择会编码画面的格式。</translation>
    </message>
    <message>
        <source>This format&apos;s picture (%1) keeps a quality of its own that no bit rate changes, so it cannot be made to fit a size: choose a format such as MP4 or WebM.</source>
        <translation>此格式的画面（%1）画质由其自身决定，任何码率都不会改变它，因此无法按大小调整：请选择 MP4 或 WebM 等格式。</translation>
    </message>
    <message>
        <source>Picture made smaller to fit: %1.</source>
        <translation>画面已缩小以放下：%1。</translation>
    </message>
    <message>
        <source>The result reached %1, over the limit of %2, and at a lower rate its picture would not be worth watching; it was not kept.</source>
        <translation>结果达到 %1，超出 %2 的限制，而更低的码率会让画面不值得观看；结果未保留。</translation>
    </message>
    <message>
        <source>The result reached %1, over the limit of %2, after %3 encodes; it was not kept.</source>
        <translation>经过 %3 次编码后结果达到 %1，超出 %2 的限制；结果未保留。</translation>
    </message>
    <message>
        <source>Made to fit %1: %2.</source>
        <translation>已按 %1 调整：%2。</translation>
    </message>
    <message>
        <source>Made to fit %1: %2, encoded %3 times.</source>
        <translation>已按 %1 调整：%2，共编码 %3 次。</translation>
    </message>
    <message>
        <source>This file cannot be made to fit %1 in this format: even at its lowest quality its picture needs more. A larger limit, a smaller picture or another format would fit.</source>
        <translation>此文件无法以此格式压缩到 %1 以内：即使用最低质量，其画面也需要更多空间。更大的限制、更小的画面或其他格式可以放得下。</translation>
    </message>
</context>
<context>
    <name>reelwright::SizePlan</name>
    <message>
        <source>The file cannot fit in %1 and still be worth watching: at %3x%4 it needs at least %2. Choose a smaller picture, a shorter file or a larger limit.</source>
        <translation>该文件无法在 %1 内放下且仍值得观看：在 %3x%4 下至少需要 %2。请选择更小的画面、更短的文件或更大的限制。</translation>
    </message>
</context>
<context>
    <name>reelwright::Status</name>
    <message>
        <location filename="../src/joblist/StatusText.cpp" line="+9"/>
        <source>Waiting Conversion</source>
        <translation>等待转换</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unkown Format</source>
        <translation>未知格式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starting...</source>
        <translation>正在开始…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown format</source>
        <translation>未知格式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Waiting Next Batch</source>
        <translation>等待下一批</translation>
    </message>
</context>
<context>
    <name>reelwright::TimeLeft</name>
    <message>
        <location filename="../src/batch/TimeLeft.cpp" line="+209"/>
        <source>File %1 of %2</source>
        <extracomment>The batch&apos;s progress: the file converting now, of how many.</extracomment>
        <translation>第 %1 个文件，共 %2 个</translation>
    </message>
    <message numerus="yes">
        <source>%1% of %n files</source>
        <translation>
            <numerusform>%1%（共 %n 个文件）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1% of %n files, %2 left</source>
        <translation>
            <numerusform>%1%（共 %n 个文件），剩余 %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::TrackPlan</name>
    <message>
        <location filename="../src/batch/TrackPlan.cpp" line="+143"/>
        <source>Its tracks could not be read (%1), so the encoder chose one of each kind.</source>
        <extracomment>%1 is why the file&apos;s tracks could not be read.</extracomment>
        <translation>无法读取其轨道（%1），因此由编码器为每种类型各选择了一条。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>one track of each kind is kept (Keep every audio and subtitle track is off)</source>
        <extracomment>Why a track was left out. The words in parentheses are a setting&apos;s name in the window.</extracomment>
        <translation>每种类型只保留一条轨道（“保留所有音轨和字幕轨”已关闭）</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1 holds no picture</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 不能容纳画面</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds one picture track: the main one is kept</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 只能容纳一条视频轨：保留主视频轨</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chosen format keeps no picture</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>所选格式不保留画面</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 holds no sound</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 不能容纳音频</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds one sound track: the default one is kept</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 只能容纳一条音轨：保留默认音轨</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chosen format keeps no sound</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>所选格式不保留音频</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the chosen format keeps no subtitles</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>所选格式不保留字幕</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot hold picture subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 无法容纳图形字幕</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold text subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 无法容纳文本字幕</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 无法容纳字幕</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold subtitles of this kind</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 无法容纳此类字幕</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 cannot hold fonts</source>
        <extracomment>Why a font was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 无法容纳字体</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot hold cover art</source>
        <extracomment>Why the cover art was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 无法容纳封面图片</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its picture could not be read</source>
        <extracomment>Why the cover art was left out.</extracomment>
        <translation>无法读取其图片</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The source has no picture: only its sound was kept.</source>
        <translation>源文件没有画面：仅保留了音频。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 cannot hold %2 video copied as it is, so nothing was written: choose a preset that encodes it, or a container that holds %2 (MKV holds any).</source>
        <extracomment>%1 is a kind of file, such as AVI; %2 a codec, such as HEVC.</extracomment>
        <translation>%1 无法容纳按原样复制的 %2 视频，因此未写入任何内容：请选择会对其重新编码的预设，或选择能容纳 %2 的容器（MKV 可容纳任何编码）。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot hold %2 sound copied as it is, so nothing was written: choose a preset that encodes it, or a container that holds %2 (MKV holds any).</source>
        <extracomment>%1 is a kind of file, such as AVI; %2 a codec, such as Opus.</extracomment>
        <translation>%1 无法容纳按原样复制的 %2 音频，因此未写入任何内容：请选择会对其重新编码的预设，或选择能容纳 %2 的容器（MKV 可容纳任何编码）。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 cannot hold %2 video as it is: it was encoded as %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are codecs.</extracomment>
        <translation>%1 无法原样容纳 %2 视频：已将其编码为 %3。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold %2 sound as it is: it was encoded as %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are codecs.</extracomment>
        <translation>%1 无法原样容纳 %2 音频：已将其编码为 %3。</translation>
    </message>
    <message>
        <source>%1 cannot hold %2 subtitles as they are: they were converted to %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are subtitle formats, such as SRT.</extracomment>
        <translation>%1 无法原样容纳 %2 字幕：已将其转换为 %3。</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>The converted file %1 cannot be read back (%2), so it was not kept.</source>
        <extracomment>%1 is the converted file, %2 why it cannot be read.</extracomment>
        <translation>无法回读转换后的文件 %1（%2），因此未保留。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1, %2</source>
        <extracomment>Joins the kinds of tracks a converted file lacks.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n video tracks</source>
        <translation>
            <numerusform>%n 条视频轨中的 %1 条</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n audio tracks</source>
        <translation>
            <numerusform>%n 条音轨中的 %1 条</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n subtitle tracks</source>
        <translation>
            <numerusform>%n 条字幕轨中的 %1 条</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n cover pictures</source>
        <translation>
            <numerusform>%n 张封面图片中的 %1 张</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n fonts</source>
        <translation>
            <numerusform>%n 个字体中的 %1 个</numerusform>
        </translation>
    </message>
    <message>
        <source>The converted file %1 lacks %2 it was to keep, so it was not kept.</source>
        <translation>转换后的文件 %1 缺少应保留的 %2，因此未保留。</translation>
    </message>
    <message>
        <source>the video track</source>
        <translation>视频轨</translation>
    </message>
    <message>
        <source>the audio track</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>the subtitle track</source>
        <translation>字幕轨</translation>
    </message>
    <message>
        <source>the cover picture</source>
        <translation>封面图片</translation>
    </message>
    <message>
        <source>the font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>%1 holds DVD subtitles only, and these pictures cannot become them without being misplaced and recoloured</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MPEG (DVD).</extracomment>
        <translation>%1 只能容纳 DVD 字幕，而这些图形无法在不错位、不改变颜色的情况下转为 DVD 字幕</translation>
    </message>
    <message>
        <source>Subtitles beside the video joined it: %1.</source>
        <extracomment>%1 lists subtitle files beside the video, such as &quot;film.en.srt, film.de.srt&quot;.</extracomment>
        <translation>视频旁的字幕文件已并入：%1。</translation>
    </message>
    <message>
        <source>The source was not read: %1, so nothing was converted.</source>
        <extracomment>%1 says what the source is instead of a file (&quot;it is a named pipe, not a regular file&quot;).</extracomment>
        <translation>未读取源文件：%1，因此未转换任何内容。</translation>
    </message>
    <message>
        <source>the file declares it but holds no picture in it</source>
        <extracomment>Why a track was left out: the file lists it, but no frame of it.</extracomment>
        <translation>文件声明了该轨道，但其中没有画面</translation>
    </message>
    <message>
        <source>the file declares it but holds no sound in it</source>
        <extracomment>Why a track was left out: the file lists it, but no sound of it.</extracomment>
        <translation>文件声明了该轨道，但其中没有音频</translation>
    </message>
</context>
<context>
    <name>reelwright::TrackReport</name>
    <message>
        <location filename="../src/joblist/TrackReport.cpp" line="+23"/>
        <location line="+117"/>
        <source>%1, %2</source>
        <extracomment>Joins the items of a list but the last: &quot;1 video, 2 audio&quot;.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <location line="-114"/>
        <source>%1 and %2</source>
        <extracomment>Joins the last item of a list: &quot;1 video, 2 audio and 2 subtitle&quot;.</extracomment>
        <translation>%1 和 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n fonts</source>
        <translation>
            <numerusform>%n 个字体</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video tracks</source>
        <translation>
            <numerusform>%n 条视频轨</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n audio tracks</source>
        <translation>
            <numerusform>%n 条音轨</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle tracks</source>
        <translation>
            <numerusform>%n 条字幕轨</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture subtitle tracks</source>
        <translation>
            <numerusform>%n 条图形字幕轨</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 tracks</source>
        <translation>
            <numerusform>%n 条 %1 轨道</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 video</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1 条视频轨</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 audio</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1 条音轨</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 subtitle</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1 条字幕轨</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+42"/>
        <source>the cover art</source>
        <translation>封面图片</translation>
    </message>
    <message numerus="yes">
        <source>Kept %1 tracks.</source>
        <translation>
            <numerusform>已保留 %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %1 tracks, with %2.</source>
        <translation>
            <numerusform>已保留 %1，以及 %2。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kept %1.</source>
        <extracomment>%1 is the cover art or fonts kept.</extracomment>
        <translation>已保留 %1。</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1 (%2)</source>
        <extracomment>%1 is what was left out, %2 the language codes of its tracks.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <extracomment>%1 is what was left out, %2 why.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; %2</source>
        <extracomment>Joins the groups of tracks left out, each with its reason.</extracomment>
        <translation>%1；%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Left out: %1.</source>
        <extracomment>%1 lists what was left out, each with its reason.</extracomment>
        <translation>已略去：%1。</translation>
    </message>
</context>
<context>
    <name>reelwright::UnendedProcesses</name>
    <message>
        <location filename="../src/engine/UnendedProcesses.cpp" line="+70"/>
        <source>Stopped, but the encoder (process %1) could not be stopped yet: it does not answer, as when a network folder it reads or writes no longer responds. It ends as soon as the system lets it, and its half-written file is removed then.</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>已停止，但编码器（进程 %1）暂时无法停止：它没有响应，例如它读写的网络文件夹不再响应时就会如此。系统一旦允许，它就会结束，届时其写了一半的文件将被删除。</translation>
    </message>
</context>
<context>
    <name>reelwright::VideoFileAdder</name>
    <message>
        <location filename="../src/joblist/VideoFileAdder.cpp" line="+73"/>
        <source>Common Video Files (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>常见视频文件 (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MPEG Files(.mpg,*.mpeg,*.mp2,*.mp4,*.mpe,*.m4v) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>MPEG 文件 (.mpg,*.mpeg,*.mp2,*.mp4,*.mpe,*.m4v) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Windows Media Files(*.wmv,*.asf) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Windows Media 文件 (*.wmv,*.asf) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AVI Files(*.avi) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>AVI 文件 (*.avi) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QuickTime Files-Ver2 or less(*.mov) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>QuickTime 文件 - 版本 2 或更低 (*.mov) (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Files(*.*) (*)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (*)&quot; at the end, it is the pattern.</extracomment>
        <translation>所有文件 (*.*) (*)</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Selected Folder is empty.</source>
        <translation>所选文件夹为空。</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>%1: %2</source>
        <extracomment>A line of the list of files not added: %1 is a path, %2 why it was not added.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some files are not supported or already exist and will not be added</source>
        <translation>部分文件不受支持或已存在，将不会被添加</translation>
    </message>
</context>
<context>
    <name>reelwright::WholeFile</name>
    <message>
        <location filename="../src/platform/WholeFile.cpp" line="+40"/>
        <source>the file written is not whole</source>
        <extracomment>Why a file could not be saved.</extracomment>
        <translation>写入的文件不完整</translation>
    </message>
</context>
<context>
    <name>reelwright::frmMain</name>
    <message>
        <source>[As Input]</source>
        <extracomment>The first item of the picture size and aspect lists: what the source has.</extracomment>
        <translation>[与输入相同]</translation>
    </message>
    <message>
        <location filename="../src/window/frmMain.cpp" line="+98"/>
        <source>The list of files cannot be kept for the next start (%1). Converting goes on, but the list will be lost when Reelwright ends.</source>
        <translation>文件列表无法保存到下次启动（%1）。转换会继续，但 Reelwright 退出后列表将丢失。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder&apos;s output cannot be kept in logs (%1). Converting goes on.</source>
        <translation>编码器的输出无法写入日志（%1）。转换会继续。</translation>
    </message>
    <message>
        <location line="+87"/>
        <location filename="../src/window/frmMainShell.cpp" line="+63"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/frmMainShell.cpp" line="+26"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (F1)</source>
        <translation>%1 (F1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Three easy steps to convert your video files.</source>
        <translation>三个简单步骤即可转换视频文件。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  - Add Video Files/Folders</source>
        <translation>  - 添加视频文件/文件夹</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Video File...</source>
        <translation>添加视频文件…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Folder...</source>
        <translation>添加文件夹…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>For Quick Adding:You can drag and drop video files into the below list</source>
        <translation>快速添加：可将视频文件拖放到下方列表中</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select/Unselect All</source>
        <translation>全选/全不选</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Selected</source>
        <translation>移除所选</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play Highlighted File</source>
        <translation>播放所选文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  - Select Output Folder and Format</source>
        <translation>  - 选择输出文件夹和格式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output Folder:</source>
        <translation>输出文件夹：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same folder as input file</source>
        <translation>与源文件相同的文件夹</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other folder</source>
        <translation>其他文件夹</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse...</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output Format:</source>
        <translation>输出格式：</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change...</source>
        <translation>更改…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>- Click Convert to start conversion</source>
        <translation>- 点击“转换”开始转换</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files at once:</source>
        <translation>同时转换：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Files at once</source>
        <translation>同时转换的文件数</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How many files convert at the same time. Auto converts several short files at once,
and long ones one at a time when their encoder already keeps every core busy.</source>
        <translation>同时转换的文件数。“自动”会同时转换多个短文件，
而当编码器已占满所有核心时，长文件逐个转换。</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/window/frmMainBatch.cpp" line="+28"/>
        <source>Convert Selected</source>
        <translation>转换所选</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/frmMainBatch.cpp" line="-3"/>
        <location line="+110"/>
        <source>Convert All</source>
        <translation>全部转换</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shutdown after conversion complete</source>
        <translation>转换完成后关机</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Select folder to add</source>
        <translation>选择要添加的文件夹</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Select one or more video files</source>
        <translation>选择一个或多个视频文件</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Please Stop Conversion first.</source>
        <translation>请先停止转换。</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainBatch.cpp" line="-95"/>
        <source>Select the output folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The list is empty, Please add Video files from step 1</source>
        <translation>列表为空，请在第 1 步添加视频文件</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+32"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>No checked file is waiting for conversion. Tick the files to convert, or use Convert All.</source>
        <translation>没有已勾选的文件等待转换。请勾选要转换的文件，或使用“全部转换”。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No file is waiting for conversion: every file in the list has been converted or cannot be read.</source>
        <translation>没有文件等待转换：列表中的每个文件都已转换或无法读取。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> To try a file that failed again, right-click it and choose Convert Again.</source>
        <translation>要重试失败的文件，请右键单击它并选择“重新转换”。</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainFormats.cpp" line="+96"/>
        <source>Output Video Formats</source>
        <translation>输出视频格式</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Presets</source>
        <translation>预设</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom (Advanced)</source>
        <translation>自定义（高级）</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Keep every audio and subtitle track</source>
        <translation>保留所有音轨和字幕轨</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every sound and subtitle track of a file goes into its result, as far as the format can
hold them; what it cannot hold is named on the file&apos;s row. Off: one of each kind.</source>
        <translation>文件的每条音轨和字幕轨都会放入结果，只要格式能容纳；
无法容纳的会在文件所在行注明。关闭：每种只保留一条。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the original&apos;s date</source>
        <translation>保留原文件日期</translation>
    </message>
    <message>
        <source>Largest result:</source>
        <translation>最大结果：</translation>
    </message>
    <message>
        <source>Largest result, in the unit beside it</source>
        <translation>最大结果，单位见旁边</translation>
    </message>
    <message>
        <source>Unit of the largest result</source>
        <translation>最大结果的单位</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>A copy keeps its pictures as they are, so it cannot be made to fit a size.</source>
        <translation>复制会原样保留画面，因此无法调整到指定大小。</translation>
    </message>
    <message>
        <source>Each result is made to fit this size: the picture&apos;s bit rate is worked out
from it, and a result over it is encoded again smaller. A limit too small
for a watchable picture is refused before anything is written.</source>
        <translation>每个结果都会调整到此大小：据此计算画面码率，超出的结果会以更低码率重新编码。
对于无法得到可看画面的过小限制，会在写入任何内容之前拒绝。</translation>
    </message>
    <message>
        <source>Remove black bars</source>
        <translation>去除黑边</translation>
    </message>
    <message>
        <source>Make the picture smaller when needed</source>
        <translation>需要时缩小画面</translation>
    </message>
    <message>
        <source>A picture too large for the size at a watchable quality is made smaller
(1080p, 720p, 480p, then 360p) until it fits, and the row says to what.</source>
        <translation>在可观看的画质下放不进该大小的画面会被缩小
（1080p、720p、480p，然后 360p）直到放下，该行会说明缩小到多少。</translation>
    </message>
    <message>
        <source>This format keeps a quality of its own that no bit rate changes, so it
cannot be made to fit a size.</source>
        <translation>此格式的画质由其自身决定，任何码率都不会改变它，
因此无法按大小调整。</translation>
    </message>
    <message>
        <source>Black bars around the picture (a letterbox, a pillarbox) are cut off where
the whole file has them; a dark scene or a fade to black is never cut.</source>
        <translation>画面周围的黑边（上下黑边、左右黑边）在整个文件都有时会被裁掉；
暗场景或淡出到黑色永远不会被裁掉。</translation>
    </message>
    <message>
        <source>A copy keeps its pictures as they are, so their black bars stay.</source>
        <translation>复制会保持画面原样，因此黑边会保留。</translation>
    </message>
    <message>
        <source>Even loudness:</source>
        <translation>统一响度：</translation>
    </message>
    <message>
        <source>Even loudness</source>
        <translation>统一响度</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Broadcast (-23 LUFS)</source>
        <translation>广播（-23 LUFS）</translation>
    </message>
    <message>
        <source>Web and podcasts (-16 LUFS)</source>
        <translation>网络和播客（-16 LUFS）</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>流媒体（-14 LUFS）</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>Every result&apos;s sound is measured and brought to the same loudness, so that no file
plays much louder or softer than the others; its peaks stay below -1 dBTP. Measuring
adds a short pass before each file. A copy&apos;s sound is encoded to be evened.</source>
        <translation>测量每个结果的声音并调整到相同响度，使任何文件都不会比其他文件响得多或轻得多；
其峰值保持在 -1 dBTP 以下。测量会在每个文件之前增加一次简短的处理。复制时会对
声音进行编码以统一响度。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each result takes the date and time its original was last changed.</source>
        <translation>每个结果采用其原文件最后修改的日期和时间。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check results by decoding them</source>
        <translation>通过解码检查结果</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each result is played through once, as fast as the computer can, before it takes its
name; a result with a fault fails instead. Converting takes longer.</source>
        <translation>每个结果在获得名称之前会以最快速度完整播放一遍；
有缺陷的结果会判为失败。转换耗时会更长。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;&amp; Close</source>
        <translation>保存并关闭</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore Defaults</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Output Category:</source>
        <translation>输出类别：</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+49"/>
        <source>Output Video Codec:</source>
        <translation>输出视频编码：</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Output File Format (Container):</source>
        <translation>输出文件格式（容器）：</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Output Format(Container):</source>
        <translation>输出格式（容器）：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Output Audio Options</source>
        <translation>输出音频选项</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Audio Codec:</source>
        <translation>音频编码：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sampling Rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>Bitrate:</source>
        <translation>码率：</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Channels:</source>
        <translation>声道：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Output Video Options</source>
        <translation>输出视频选项</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Video Size:</source>
        <translation>画面尺寸：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aspect Ratio:</source>
        <translation>宽高比：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Error occured while getting paramters</source>
        <translation>获取参数时出错</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainRuns.cpp" line="+27"/>
        <source>Switching Off</source>
        <translation>即将关机</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Power Off Now</source>
        <translation>立即关机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer will be switched off in %n seconds.</source>
        <translation>
            <numerusform>批处理已结束。计算机将在 %n 秒后关机。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Interrupted Batch</source>
        <translation>中断的批处理</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not now</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The list of files kept from the last run could not be read (%1), so the list starts empty. It was kept as %2.</source>
        <translation>无法读取上次保存的文件列表（%1），列表将从空开始。原列表已保存为 %2。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Another Reelwright window is open and keeps the list of files. The files of this window are not kept when it closes, and the other window&apos;s batch is not offered here.</source>
        <translation>另一个 Reelwright 窗口已打开并保管文件列表。此窗口的文件在关闭时不会保存，另一个窗口的批处理也不会在此提供。</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the list kept from the last run could not be read and were left out. The list as it was is kept as %1.</source>
        <translation>
            <numerusform>上次保存的列表中有 %n 行无法读取，已略去。原列表已保存为 %1。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>One file kept in the list is no longer there and was left out: %1</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>列表中有一个文件已不存在，已略去：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n files kept in the list are no longer there and were left out.</source>
        <translation>
            <numerusform>列表中有 %n 个文件已不存在，已略去。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>beside each file</source>
        <translation>各文件所在的文件夹</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted before it ended: %n files are still to convert.

Resume converts them with the format and output folder the batch had:
%1</source>
        <translation>
            <numerusform>上一次批处理在结束前被中断：还有 %n 个文件待转换。

“继续”将按该批处理的格式和输出文件夹转换它们：
%1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Show Encoder Output...</source>
        <translation>显示编码器输出…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Convert Again</source>
        <translation>重新转换</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear Finished</source>
        <translation>清除已完成</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Takes the converted files out of the list</source>
        <translation>将已转换的文件移出列表</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted, %1 failed</source>
        <translation>
            <numerusform>已转换 %n 个文件，%1 个失败</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, %1 stopped</source>
        <translation>，%1 个已停止</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Conversion stopped</source>
        <translation>转换已停止</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conversion finished</source>
        <translation>转换完成</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Every file was converted.</source>
        <translation>所有文件均已转换。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These files could not be converted:
</source>
        <translation>以下文件无法转换：
</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainSettings.cpp" line="+122"/>
        <source>Your choices (output folder and format) could not be saved, so the next start will not show them:</source>
        <translation>无法保存您的选择（输出文件夹和格式），下次启动时将不会显示：</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainShell.cpp" line="-15"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Converts a list of video files, one after another, into the format your computer, phone or player needs, with the FFmpeg encoder doing the work.</source>
        <translation>将一组视频文件逐个转换为电脑、手机或播放器所需的格式，由 FFmpeg 编码器完成转换。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Made by</source>
        <translation>制作</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts with</source>
        <translation>转换引擎</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Files to convert</source>
        <translation>待转换的文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Audio bitrate in kbps</source>
        <translation>音频码率（kbps）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Audio channels</source>
        <translation>音频声道数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Video bitrate in kbps</source>
        <translation>视频码率（kbps）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame rate in fps</source>
        <translation>帧率（fps）</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainFormats.cpp" line="-258"/>
        <source>Save as Preset...</source>
        <translation>另存为预设…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps the custom format as a preset of your own, listed with the others. Your presets
live in your own folder, where installing or upgrading the program never touches them.</source>
        <translation>将自定义格式保存为您自己的预设，与其他预设一起列出。您的预设
保存在您自己的文件夹中，安装或升级程序都不会改动它们。</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Remove Preset</source>
        <translation>删除预设</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removes the chosen preset of your own.</source>
        <translation>删除所选的自定义预设。</translation>
    </message>
    <message>
        <source>Expected size and time of the batch</source>
        <translation>本批的预计大小和时间</translation>
    </message>
    <message>
        <source>Reelwright windows started later cannot hand their files to this one (%1). They open windows of their own.</source>
        <translation>之后启动的 Reelwright 窗口无法将其文件交给此窗口（%1）。它们会打开各自的窗口。</translation>
    </message>
    <message>
        <source>Remove your preset &quot;%1&quot; from &quot;%2&quot;? This cannot be undone.</source>
        <extracomment>%1 is a preset&apos;s name, %2 its category.</extracomment>
        <translation>要从“%2”中删除您的预设“%1”吗？此操作无法撤消。</translation>
    </message>
</context>
<context>
    <name>reelwright::FileSize</name>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
</context>
<context>
    <name>reelwright::CliInputs</name>
    <message>
        <source>%1: a link that leads out of %2, to %3</source>
        <translation>%1：链接指向 %2 之外的 %3</translation>
    </message>
</context>
<context>
    <name>reelwright::EvenSizeNote</name>
    <message>
        <source>The picture was made %1 from %2: the encoder takes even sizes only.</source>
        <extracomment>%1 and %2 are picture sizes in pixels, such as 720x404 and 721x405.</extracomment>
        <translation>画面已从 %2 调整为 %1：编码器只接受偶数尺寸。</translation>
    </message>
</context>
<context>
    <name>reelwright::FileConversion</name>
    <message>
        <source>The file changed while it was converted; its result is not kept.</source>
        <translation>文件在转换期间发生了变化；其结果未保留。</translation>
    </message>
</context>
<context>
    <name>reelwright::FilterGraphCheck</name>
    <message>
        <source>the filter &quot;%1&quot; is not one this program knows, so it cannot tell that it opens no file</source>
        <extracomment>Why a preset is refused: %1 is the name of a filter.</extracomment>
        <translation>滤镜“%1”不是此程序所知的滤镜，因此无法确定它不会打开文件</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; must be given its options by name (name=value)</source>
        <extracomment>Why a preset is refused: %1 is a filter such as drawtext.</extracomment>
        <translation>滤镜“%1”的选项必须按名称给出（name=value）</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; opens files, libraries or sockets by name</source>
        <extracomment>Why a preset is refused: %1 is the name of a filter, such as movie.</extracomment>
        <translation>滤镜“%1”会按名称打开文件、库或套接字</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; would read its option &quot;%2&quot; from a file</source>
        <extracomment>Why a preset is refused: %1 is a filter, %2 one of its options.</extracomment>
        <translation>滤镜“%1”会从文件中读取其选项“%2”</translation>
    </message>
    <message>
        <source>the filter graph &quot;%1&quot; cannot be read</source>
        <extracomment>Why a preset is refused: %1 is one of its filter graphs.</extracomment>
        <translation>无法读取滤镜图“%1”</translation>
    </message>
    <message>
        <source>the filter label &quot;[%1]&quot; takes tracks from another input than the one being converted</source>
        <extracomment>Why a preset is refused: %1 is a label of a filter graph, such as &quot;1:v&quot;.</extracomment>
        <translation>滤镜标签“[%1]”会从另一个输入（而非正在转换的输入）获取轨道</translation>
    </message>
    <message>
        <source>the option &quot;%2&quot; of the filter &quot;%1&quot; names a file</source>
        <extracomment>Why a preset is refused: %1 is a filter, %2 one of its options.</extracomment>
        <translation>滤镜“%1”的选项“%2”指定了文件</translation>
    </message>
</context>
<context>
    <name>reelwright::FixedFrame</name>
    <message>
        <source>Picture fitted into %1 with black bars, shown at %2.</source>
        <extracomment>%1 is the frame&apos;s size (&quot;720x576&quot;), %2 its shape (&quot;16:9&quot;).</extracomment>
        <translation>画面已加黑边放入 %1，按 %2 显示。</translation>
    </message>
</context>
<context>
    <name>reelwright::LoudnessLook</name>
    <message>
        <source>The sound could not be measured to even its loudness.</source>
        <extracomment>Said when the sound could not be measured before evening its loudness.</extracomment>
        <translation>无法测量声音以统一其响度。</translation>
    </message>
    <message>
        <source>The sound could not be measured to even its loudness: %1</source>
        <translation>无法测量声音以统一其响度：%1</translation>
    </message>
</context>
<context>
    <name>reelwright::LoudnessPlan</name>
    <message>
        <source>%1 LUFS</source>
        <extracomment>A loudness, such as &quot;-16.0 LUFS&quot;.</extracomment>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>%1 holds no sound this program can encode, so its loudness was left as it is.</source>
        <extracomment>%1 is a kind of file, such as AVI.</extracomment>
        <translation>%1 不能容纳此程序能编码的音频，因此其响度保持原样。</translation>
    </message>
    <message>
        <source>Loudness %1 → %2, through a limiter: one gain would have taken its peaks above %3 dBTP.</source>
        <extracomment>%1 and %2 are loudnesses; %3 the true-peak limit, such as -1.</extracomment>
        <translation>响度 %1 → %2，经过限幅器：单一增益会使其峰值超过 %3 dBTP。</translation>
    </message>
    <message>
        <source>Loudness %1 → %2.</source>
        <extracomment>%1 and %2 are loudnesses: &quot;-31.2 LUFS → -16.0 LUFS&quot;.</extracomment>
        <translation>响度 %1 → %2。</translation>
    </message>
    <message>
        <source>Picture copied, sound encoded to even its loudness (%1).</source>
        <extracomment>%1 is an audio codec, such as AAC.</extracomment>
        <translation>画面已复制，声音已编码以统一响度（%1）。</translation>
    </message>
    <message>
        <source>Sound track %1: %2</source>
        <extracomment>%1 is a sound track&apos;s number; %2 what was done to it, such as &quot;loudness -31.2 LUFS → -16.0 LUFS.&quot;</extracomment>
        <translation>音轨 %1：%2</translation>
    </message>
    <message>
        <source>The format filters its sound itself, so its loudness was left as it is.</source>
        <translation>该格式自行对声音进行滤镜处理，因此其响度保持原样。</translation>
    </message>
    <message>
        <source>The sound is silent or nearly so: its loudness was left as it is.</source>
        <translation>声音为静音或几乎无声：其响度保持原样。</translation>
    </message>
    <message>
        <source>The sound was encoded to even its loudness (%1).</source>
        <extracomment>%1 is an audio codec, such as AAC.</extracomment>
        <translation>声音已编码以统一响度（%1）。</translation>
    </message>
    <message>
        <source>The sound&apos;s loudness could not be measured: it was left as it is.</source>
        <translation>无法测量声音的响度：其响度保持原样。</translation>
    </message>
    <message>
        <source>about %1</source>
        <extracomment>A loudness that was not measured: &quot;about -16.0 LUFS&quot;.</extracomment>
        <translation>约 %1</translation>
    </message>
    <message>
        <source>its loudness could not be measured: it was left as it is.</source>
        <translation>无法测量其响度：其响度保持原样。</translation>
    </message>
    <message>
        <source>loudness %1 → %2, through a limiter: one gain would have taken its peaks above %3 dBTP.</source>
        <extracomment>%1 and %2 are loudnesses; %3 the true-peak limit, such as -1.</extracomment>
        <translation>响度 %1 → %2，经过限幅器：单一增益会使其峰值超过 %3 dBTP。</translation>
    </message>
    <message>
        <source>loudness %1 → %2.</source>
        <extracomment>%1 and %2 are loudnesses: &quot;-31.2 LUFS → -16.0 LUFS&quot;.</extracomment>
        <translation>响度 %1 → %2。</translation>
    </message>
    <message>
        <source>silent or nearly so: its loudness was left as it is.</source>
        <translation>静音或几乎无声：其响度保持原样。</translation>
    </message>
</context>
<context>
    <name>reelwright::OwnFolder</name>
    <message>
        <source>%1 belongs to another user (uid %2)</source>
        <translation>%1 属于另一个用户（uid %2）</translation>
    </message>
    <message>
        <source>%1 cannot be looked at: %2</source>
        <translation>无法查看 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>%1 has mode %2, not 0700: other users could reach into it</source>
        <translation>%1 的权限模式为 %2，而不是 0700：其他用户可能访问其中的内容</translation>
    </message>
    <message>
        <source>%1 is a link, not a folder</source>
        <translation>%1 是链接，不是文件夹</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
</context>
<context>
    <name>reelwright::PresetParams</name>
    <message>
        <source>&quot;%1 %2&quot; takes tracks from another input than the one being converted</source>
        <extracomment>Why a preset is refused: %1 %2 is an option and its value, such as -map 1:v.</extracomment>
        <translation>“%1 %2”会从另一个输入（而非正在转换的输入）获取轨道</translation>
    </message>
    <message>
        <source>&quot;%1&quot; decides whether existing files are written over, which the program decides itself</source>
        <extracomment>Why a preset is refused: %1 is -y or -n.</extracomment>
        <translation>“%1”决定是否覆盖已有文件，而这由程序自己决定</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option or an option&apos;s value: the encoder would write a second output file there</source>
        <extracomment>Why a preset is refused: %1 is a word of its params.</extracomment>
        <translation>“%1”不是选项，也不是选项的值：编码器会在此处写入第二个输出文件</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option the encoder takes</source>
        <extracomment>Why a preset is refused: %1 is a word of its params.</extracomment>
        <translation>“%1”不是编码器接受的选项</translation>
    </message>
    <message>
        <source>&quot;%1&quot; makes the encoder print information and stop instead of converting</source>
        <extracomment>Why a preset is refused: %1 is an option such as -version.</extracomment>
        <translation>“%1”会让编码器输出信息后停止，而不进行转换</translation>
    </message>
    <message>
        <source>&quot;%1&quot; makes the encoder read or write a file other than the one it converts</source>
        <extracomment>Why a preset is refused: %1 is an option such as -progress.</extracomment>
        <translation>“%1”会让编码器读取或写入所转换文件以外的文件</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value, and none follows it</source>
        <extracomment>Why a preset is refused: %1 is an option such as -c:v.</extracomment>
        <translation>“%1”需要一个值，但其后没有值</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would add another input</source>
        <extracomment>Why a preset is refused: %1 is -i.</extracomment>
        <translation>“%1”会添加另一个输入</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would read its value from a file</source>
        <extracomment>Why a preset is refused: %1 is an option such as -/vf.</extracomment>
        <translation>“%1”会从文件中读取其值</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <extracomment>Why a preset is refused.</extracomment>
        <translation>有未闭合的引号</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; of &quot;%2&quot; names a file</source>
        <extracomment>Why a preset is refused: %1 is a setting such as stats, %2 an option such as -x264-params.</extracomment>
        <translation>“%2”的设置“%1”指定了文件</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; names a file: &quot;%2&quot;</source>
        <extracomment>Why a preset is refused: %1 is an option such as -attach, %2 its value.</extracomment>
        <translation>“%1”的值指定了文件：“%2”</translation>
    </message>
</context>
<context>
    <name>reelwright::RunningWindow</name>
    <message>
        <source>%1 cannot be listened on: %2</source>
        <translation>无法在 %1 上监听：%2</translation>
    </message>
    <message>
        <source>The files are not handed to the Reelwright window open, and this window opens on its own: %1.</source>
        <translation>文件未交给已打开的 Reelwright 窗口，此窗口将单独打开：%1。</translation>
    </message>
    <message>
        <source>The files are not handed to the window at %1: it belongs to another user. This window opens on its own.</source>
        <translation>文件未交给位于 %1 的窗口：它属于另一个用户。此窗口将单独打开。</translation>
    </message>
    <message>
        <source>Too many files to hand to the Reelwright window open; this window opens on its own.</source>
        <translation>文件过多，无法交给已打开的 Reelwright 窗口；此窗口将单独打开。</translation>
    </message>
</context>
<context>
    <name>reelwright::SafeFile</name>
    <message>
        <source>it is a device, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>它是设备，不是普通文件</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>它是文件夹，不是普通文件</translation>
    </message>
    <message>
        <source>it is a link, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>它是链接，不是普通文件</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>它是命名管道，不是普通文件</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>它是套接字，不是普通文件</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>它不是普通文件</translation>
    </message>
</context>
<context>
    <name>reelwright::SizeLimit</name>
    <message>
        <source>a size such as 25M, 25MB, 1.5G or 700MiB (K, M and G count by thousands, KiB, MiB and GiB by 1024), of 100K or more</source>
        <translation>25M、25MB、1.5G 或 700MiB 这样的大小（K、M 和 G 按 1000 进位，KiB、MiB 和 GiB 按 1024 进位），且不小于 100K</translation>
    </message>
</context>
<context>
    <name>reelwright::SoundLayout</name>
    <message>
        <source>%1 cannot hold %2.</source>
        <extracomment>%1 is an audio codec (&quot;AAC&quot;), %2 a channel layout (&quot;6.1&quot;).</extracomment>
        <translation>%1 无法容纳 %2。</translation>
    </message>
    <message>
        <source>%1 sound mixed down to %2: %3</source>
        <extracomment>%1 and %2 are channel layouts (&quot;5.1&quot;, &quot;stereo&quot;); %3 says why.</extracomment>
        <translation>%1 音频已缩混为 %2：%3</translation>
    </message>
    <message>
        <source>the format is %1.</source>
        <translation>该格式为 %1。</translation>
    </message>
    <message>
        <source>the format keeps %1 channels.</source>
        <translation>该格式保留 %1 个声道。</translation>
    </message>
</context>
<context>
    <name>reelwright::TrackMarks</name>
    <message>
        <source>%1 keeps no commentary marks: %2 no longer marked so.</source>
        <translation>%1 不保留评论标记：%2 不再带有此标记。</translation>
    </message>
    <message>
        <source>%1 keeps no forced marks: %2 no longer marked so.</source>
        <translation>%1 不保留强制标记：%2 不再带有此标记。</translation>
    </message>
    <message>
        <source>%1 keeps no languages: %2 left out.</source>
        <translation>%1 不保留语言：已略去 %2。</translation>
    </message>
    <message>
        <source>%1 keeps no track titles: %2 left out.</source>
        <translation>%1 不保留轨道标题：已略去 %2。</translation>
    </message>
</context>
<context>
    <name>reelwright::WatchedFolder</name>
    <message>
        <source>not a folder, so it cannot be watched</source>
        <translation>不是文件夹，因此无法监视</translation>
    </message>
    <message>
        <source>not taken: a link, which a watched folder never follows</source>
        <extracomment>Why a watched folder&apos;s entry is not converted.</extracomment>
        <translation>未接受：是链接，被监视的文件夹从不跟随链接</translation>
    </message>
    <message>
        <source>not taken: not a regular file (a pipe, a device or a socket)</source>
        <translation>未接受：不是普通文件（管道、设备或套接字）</translation>
    </message>
    <message>
        <source>the folder to watch cannot be read: %1</source>
        <translation>无法读取要监视的文件夹：%1</translation>
    </message>
</context>
</TS>
