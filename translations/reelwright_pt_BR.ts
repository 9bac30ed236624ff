<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>reelwright::BatchDriver</name>
    <message>
        <location filename="../src/batch/BatchDriver.cpp" line="+50"/>
        <source>Error converting file: %1<byte value="xd"/>
%2</source>
        <extracomment>%1 is the file&apos;s name; %2, on the next line, why it failed.</extracomment>
        <translation>Erro ao converter o arquivo: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+302"/>
        <source>Added while a batch of chosen files converts: the next batch converts it.</source>
        <translation>Adicionado durante a conversão de um lote de arquivos marcados: ele será convertido no próximo lote.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The play length &quot;%1&quot; cannot be read.</source>
        <extracomment>%1 is a play length as the list shows it.</extracomment>
        <translation>Não é possível ler a duração “%1”.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error occured while getting paramters<byte value="xd"/>
%1</source>
        <extracomment>%1, on the next line, is what is wrong with the format.</extracomment>
        <translation>Ocorreu um erro ao obter os parâmetros<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>Checking the result by decoding it</source>
        <translation>Verificando o resultado por decodificação</translation>
    </message>
    <message>
        <source>Measuring the sound&apos;s loudness</source>
        <translation>Medindo a sonoridade do som</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The folder %1 does not keep file locks (%2). Converting into it goes on, but another copy of Reelwright cannot tell whether the hidden file being written there is still being written, so it never removes it: should a copy be ended while it converts into this folder, remove the hidden .reelwright-nolock-... file it leaves by hand, once no copy is converting there.</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason. Keep the file name .reelwright-nolock-...</extracomment>
        <translation>A pasta %1 não suporta bloqueios de arquivo (%2). A conversão para ela continua, mas outra cópia do Reelwright em execução não consegue saber se o arquivo oculto que está sendo gravado ali ainda está em gravação, então nunca o remove: se uma cópia for encerrada enquanto converte para esta pasta, remova manualmente o arquivo oculto .reelwright-nolock-... que ela deixar, quando nenhuma cópia estiver mais convertendo para ela.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a note on a converting file: &quot;1:20 left for this file, 2.5x real time&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 left for this file</source>
        <extracomment>%1 is a time, such as 1:20.</extracomment>
        <translation>Faltam %1 para este arquivo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 left for the batch</source>
        <extracomment>%1 is a time, such as 1:20.</extracomment>
        <translation>Faltam %1 para o lote</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 for the batch</source>
        <extracomment>Follows &quot;1:20 left for this file, &quot;: %1 is a time, such as 12:40.</extracomment>
        <translation>%1 para o lote</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1x real time</source>
        <extracomment>%1 is how many times faster than playing the file converts, such as 2.5.</extracomment>
        <translation>%1x o tempo real</translation>
    </message>
</context>
<context>
    <name>reelwright::BoxQueue</name>
    <message numerus="yes">
        <location filename="../src/platform/BoxQueue.cpp" line="+67"/>
        <source>%n more came meanwhile; all of them are under Show Details.</source>
        <translation>
            <numerusform>Chegaram mais %n enquanto isso; todas estão em “Mostrar detalhes”.</numerusform>
            <numerusform>Chegaram mais %n enquanto isso; todas estão em “Mostrar detalhes”.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::CRegister</name>
    <message>
        <location filename="../src/settings/CRegister.cpp" line="+91"/>
        <source>%1 is read-only</source>
        <extracomment>Why the settings cannot be saved: %1 is their file.</extracomment>
        <translation>%1 é somente leitura</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2</source>
        <extracomment>Why the settings cannot be saved: %1 is their file, %2 the system&apos;s reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+202"/>
        <source>the registry refused the values</source>
        <translation>o Registro recusou os valores</translation>
    </message>
</context>
<context>
    <name>reelwright::CVideoConv</name>
    <message>
        <location filename="../src/engine/CVideoConv.cpp" line="+115"/>
        <source>The encoder options have a quote that is not closed: %1</source>
        <extracomment>%1 is the encoder options as given.</extracomment>
        <translation>As opções do codificador têm aspas não fechadas: %1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Error converting file: %1<byte value="xd"/>
%2</source>
        <extracomment>%1 is the file&apos;s name; %2, on the next line, why it failed.</extracomment>
        <translation>Erro ao converter o arquivo: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Error Occured:<byte value="xd"/>
%1</source>
        <extracomment>%1 is a technical description of the fault, for a bug report.</extracomment>
        <translation>Ocorreu um erro:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>reelwright::CatalogueScanner</name>
    <message>
        <location filename="../src/formats/CatalogueScanner.cpp" line="+20"/>
        <source>File not found: %1</source>
        <extracomment>%1 is a catalogue&apos;s path.</extracomment>
        <translation>Arquivo não encontrado: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2</source>
        <extracomment>%1 is why a catalogue cannot be read, %2 its path.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file is empty: %1</source>
        <extracomment>%1 is a catalogue&apos;s path.</extracomment>
        <translation>O arquivo está vazio: %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>a field line has no tag: &quot;%1&quot;</source>
        <extracomment>What is wrong in a catalogue: %1 is one of its lines.</extracomment>
        <translation>uma linha de campo não tem tag: “%1”</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the &lt;%1&gt; field has no closing tag: &quot;%2&quot;</source>
        <extracomment>What is wrong in a catalogue: %1 is a field&apos;s tag, %2 its line.</extracomment>
        <translation>o campo &lt;%1&gt; não tem tag de fechamento: “%2”</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The file has %1 lines; at most %2 are read.</source>
        <extracomment>%1 is a catalogue&apos;s number of lines, %2 the most that are read.</extracomment>
        <translation>O arquivo tem %1 linhas; no máximo %2 são lidas.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: an entry needs %2 field lines</source>
        <extracomment>What is wrong in a catalogue: %1 is a line number, %2 how many lines an entry has.</extracomment>
        <translation>linha %1: uma entrada precisa de %2 linhas de campo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: %2</source>
        <extracomment>Where a catalogue is wrong: %1 is a line number, %2 what is wrong there.</extracomment>
        <translation>linha %1: %2</translation>
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
        <translation>Uso: reelwright-cli [opções] [--] ARQUIVO|PASTA...
     reelwright-cli [opções] --files-from LISTA [--null]
     reelwright-cli [opções] --watch PASTA
Converte arquivos de vídeo, e os arquivos diretamente dentro de pastas, um após
o outro com o ffmpeg, como a janela do Reelwright faria. Os resultados nunca
substituem um arquivo existente.

  --preset &quot;CATEGORIA/NOME&quot;  uma predefinição, de fábrica ou sua (padrão: a
                             escolha salva pela janela)
  --extension EXT            o contêiner, quando a predefinição oferece vários
  --custom                   os campos personalizados salvos pela janela
  --output-folder PASTA      os resultados vão para PASTA (criada se não
                             existir, um nível); padrão: a pasta salva pela
                             janela, agora
                             %1
  --same-folder              os resultados ficam ao lado dos originais
  --jobs N|auto              quantos arquivos são convertidos ao mesmo tempo,
                             de 1 a 8 (padrão: a escolha da janela; de início,
                             auto: um a mais que os núcleos para arquivos
                             curtos, menos para os longos)
  --skip-existing            um original cujo resultado já existe com o nome
                             simples conta como feito e não é convertido de
                             novo; um que outra execução esteja convertendo
                             fica a cargo dela
  --files-from LISTA         também os arquivos e pastas nomeados em LISTA, um
                             por linha (- para a entrada padrão)
  --null                     os nomes em LISTA terminam com NUL (find -print0)
  --dry-run                  diz o que aconteceria com cada original e o nome
                             do seu resultado; não converte nem grava nada
  --watch PASTA              converte cada vídeo que aparece em PASTA assim que
                             seu tamanho para de mudar, até ser interrompido
  --tracks all|first         mantém todas as faixas de áudio e legendas que o
                             contêiner comporta, ou uma de cada tipo (padrão: a
                             escolha da janela; de início, all)
  --verify                   decodifica cada resultado por inteiro antes que
                             ele receba seu nome; um erro de decodificação faz
                             o arquivo falhar
  --keep-dates               cada resultado recebe a data e a hora de
                             modificação do seu original
  --loudness off|LUFS        iguala o som de cada resultado a esta sonoridade,
                             de -31 a -5: -23 radiodifusão, -16 web e podcasts,
                             -14 streaming; picos reais no máximo -1 dBTP
                             (padrão: a escolha da janela; de início, off)
  --max-size TAMANHO         cada resultado ocupa no máximo TAMANHO (25M, 1.5G,
                             700MiB): a taxa da imagem é calculada para caber;
                             um resultado maior é codificado de novo menor, ou
                             falha
  --smaller-to-fit           com --max-size: uma imagem que não cabe como está
                             é reduzida em etapas (1080p, 720p, 480p, 360p) até
                             caber
  --crop auto|none           remover as faixas pretas onde o filme inteiro as
                             tem (padrão: none)
  --no-sidecars              arquivos de legenda ao lado de um vídeo
                             (film.en.srt) não entram no seu resultado
  --estimate                 dizer o tamanho de cada resultado e o tempo que
                             leva, a partir de alguns segundos codificados; não
                             converter nada
  --json                     um objeto JSON por linha e por original, depois um
                             objeto de resumo, em vez das linhas para pessoas
  --progress                 com --json: um objeto de progresso para cada
                             arquivo em conversão, no máximo uma vez por segundo
  --list-presets             uma linha por predefinição: CATEGORIA/NOME, uma
                             tabulação, suas extensões (com --json, um objeto
                             por predefinição)
  -h, --help                 mostra esta ajuda e sai
  --version                  mostra a versão e sai
  --                         o que vem depois são arquivos, mesmo que comecem
                             com -

O valor de uma opção vem depois dela (--output-folder out) ou ligado a ela por =
(--output-folder=out). Cada arquivo recebe uma linha dizendo o que aconteceu com
ele, e um resumo encerra a execução.

As escolhas da janela são lidas, nunca gravadas, de
~/.config/Fennick Reelwright/HKEY_LOCAL_MACHINE.ini (ou em $XDG_CONFIG_HOME).
O que o codificador diz sobre cada arquivo fica guardado em
~/.local/state/Fennick Reelwright/logs/ (ou em $XDG_STATE_HOME).

Status de saída:
  0    todo arquivo aceito foi convertido (ou, com --skip-existing, já existia
       ou estava sendo convertido por outra execução)
  1    um arquivo falhou, não pôde ser lido ou foi interrompido, ou um arquivo
       informado foi recusado enquanto outros foram aceitos
  2    uso incorreto, ou nenhum arquivo pôde ser aceito: nenhum foi informado
       ou encontrado, ou todos foram recusados
  129, 130, 143  encerrado por SIGHUP, Ctrl+C (SIGINT) ou SIGTERM: o
       codificador é parado e seu arquivo inacabado, removido
  141  quem lia a saída foi embora (pipe fechado), com o mesmo cuidado
</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Unknown option %1. A file whose name begins with - goes after --.</source>
        <translation>Opção desconhecida: %1. Um arquivo cujo nome começa com - vai depois de --.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>An empty name was given where a file or folder was expected.</source>
        <translation>Foi informado um nome vazio onde se esperava um arquivo ou uma pasta.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 needs a value.</source>
        <translation>%1 requer um valor.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 takes no value.</source>
        <translation>%1 não aceita valor.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is given twice.</source>
        <translation>%1 foi informado duas vezes.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>--jobs takes a number from 1 to %1, or auto.</source>
        <translation>--jobs aceita um número de 1 a %1, ou auto.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--tracks takes all or first.</source>
        <translation>--tracks aceita all ou first.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknown option %1.</source>
        <translation>Opção desconhecida: %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--preset and --custom cannot be used together.</source>
        <translation>--preset e --custom não podem ser usados juntos.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--extension goes with --preset.</source>
        <translation>--extension requer --preset.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--same-folder and --output-folder cannot be used together.</source>
        <translation>--same-folder e --output-folder não podem ser usados juntos.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--progress goes with --json.</source>
        <translation>--progress requer --json.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--null goes with --files-from.</source>
        <translation>--null requer --files-from.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch takes no other files or folders.</source>
        <translation>--watch não aceita outros arquivos nem pastas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch and --dry-run cannot be used together.</source>
        <translation>--watch e --dry-run não podem ser usados juntos.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No file or folder to convert was given.</source>
        <translation>Nenhum arquivo ou pasta a converter foi informado.</translation>
    </message>
    <message>
        <location filename="../src/cli/CliOptions.h" line="+46"/>
        <source>Try reelwright-cli --help.</source>
        <translation>Tente reelwright-cli --help.</translation>
    </message>
    <message>
        <source>--crop takes auto or none.</source>
        <translation>--crop aceita auto ou none.</translation>
    </message>
    <message>
        <source>--watch and --estimate cannot be used together.</source>
        <translation>--watch e --estimate não podem ser usados juntos.</translation>
    </message>
    <message>
        <source>%1 takes only a name that is valid UTF-8; rename the file or folder, or give a link to it whose name is.</source>
        <translation>%1 aceita apenas um nome em UTF-8 válido; renomeie o arquivo ou a pasta, ou informe um link para ele cujo nome seja válido.</translation>
    </message>
    <message>
        <source>--loudness takes off, or a loudness in LUFS from %1 to %2 (such as -23, -16 or -14).</source>
        <extracomment>%1 and %2 are the lowest and highest loudness taken, such as -31 and -5.</extracomment>
        <translation>--loudness aceita off ou uma sonoridade em LUFS de %1 a %2 (como -23, -16 ou -14).</translation>
    </message>
    <message>
        <source>--max-size takes %1.</source>
        <extracomment>%1 names the accepted forms of a size.</extracomment>
        <translation>--max-size aceita %1.</translation>
    </message>
</context>
<context>
    <name>reelwright::CliReport</name>
    <message>
        <location filename="../src/cli/CliReport.cpp" line="+93"/>
        <source>converting</source>
        <translation>convertendo</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>refused: %1</source>
        <translation>recusado: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already converted -&gt; %1</source>
        <translation>já convertido -&gt; %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>being converted elsewhere -&gt; %1</source>
        <translation>em conversão por outra execução -&gt; %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>would convert -&gt; %1</source>
        <translation>seria convertido -&gt; %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not converted: the run was stopped</source>
        <translation>não convertido: a execução foi interrompida</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>%1, %2</source>
        <extracomment>Joins the counts of the run&apos;s summary: &quot;1 converted, 0 failed&quot; and &quot;2 refused&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 file</source>
        <translation>1 arquivo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 files</source>
        <translation>%1 arquivos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2</source>
        <extracomment>The run&apos;s summary: %1 is how many files, %2 what became of them.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>%1 would convert</source>
        <translation>%1 a converter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 converted, %2 failed</source>
        <translation>%1 convertido(s), %2 com falha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 failed</source>
        <translation>%1 com falha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 unreadable</source>
        <translation>%1 ilegível(is)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 refused</source>
        <translation>%1 recusado(s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already converted</source>
        <translation>%1 já convertido(s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 being converted elsewhere</source>
        <translation>%1 em conversão por outra execução</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stopped</source>
        <translation>%1 interrompido(s)</translation>
    </message>
</context>
<context>
    <name>reelwright::CommandLineConverter</name>
    <message>
        <location filename="../src/cli/CommandLineConverter.cpp" line="+290"/>
        <source>no preset &quot;%1&quot;; --list-presets shows them all. The closest:</source>
        <translation>não há predefinição &quot;%1&quot;; --list-presets mostra todas. As mais próximas:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no preset &quot;%1&quot; (--preset takes &quot;CATEGORY/LABEL&quot;); --list-presets shows them all. The closest:</source>
        <translation>não há predefinição &quot;%1&quot; (--preset recebe &quot;CATEGORIA/NOME&quot;); --list-presets mostra todas. As mais próximas:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the preset offers %1, not %2.</source>
        <translation>a predefinição oferece %1, não %2.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the format cannot be used: %1</source>
        <translation>o formato não pode ser usado: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no output format is chosen; give --preset or --custom.</source>
        <translation>nenhum formato de saída foi escolhido; use --preset ou --custom.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the list %1 cannot be read: %2</source>
        <translation>não é possível ler a lista %1: %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the folder holds no files</source>
        <translation>a pasta não contém arquivos</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>%1; a run beside this one may convert the same files</source>
        <translation>%1; outra execução simultânea pode converter os mesmos arquivos</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>beside each input</source>
        <translation>ao lado de cada original</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>nothing to convert.</source>
        <translation>nada a converter.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no such folder to watch</source>
        <translation>pasta a monitorar não encontrada</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the results would land in the watched folder %1; give --output-folder with another folder</source>
        <translation>os resultados iriam para a pasta monitorada %1; use --output-folder com outra pasta</translation>
    </message>
    <message>
        <source>The format or the file&apos;s length cannot be had.</source>
        <translation>Não é possível obter o formato ou a duração do arquivo.</translation>
    </message>
    <message>
        <source>%1: the watched folder is back</source>
        <translation>%1: a pasta monitorada voltou</translation>
    </message>
    <message>
        <source>%1; waiting for it to come back</source>
        <translation>%1; aguardando que ela volte</translation>
    </message>
    <message>
        <source>the result keeps this name: it could not take its input&apos;s: %1</source>
        <translation>o resultado fica com este nome: não pôde receber o nome do original: %1</translation>
    </message>
</context>
<context>
    <name>reelwright::CustomFormat</name>
    <message>
        <location filename="../src/formats/CustomFormat.cpp" line="+39"/>
        <source>The video bit rate &quot;%1&quot; is not a number.</source>
        <translation>A taxa de bits de vídeo “%1” não é um número.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is not a number.</source>
        <translation>A taxa de bits de áudio “%1” não é um número.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The video bit rate &quot;%1&quot; is not above 0.</source>
        <translation>A taxa de bits de vídeo “%1” não é maior que 0.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is not above 0.</source>
        <translation>A taxa de bits de áudio “%1” não é maior que 0.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The video bit rate &quot;%1&quot; is too large.</source>
        <translation>A taxa de bits de vídeo “%1” é grande demais.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is too large.</source>
        <translation>A taxa de bits de áudio “%1” é grande demais.</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>The channel count &quot;%1&quot; is not above 0.</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>O número de canais “%1” não é maior que 0.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The video size &quot;%1&quot; is not one of the list.</source>
        <extracomment>%1 is a video size as given.</extracomment>
        <translation>O tamanho de vídeo “%1” não está na lista.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The frame rate &quot;%1&quot; is not above 0.</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>A taxa de quadros “%1” não é maior que 0.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Copy (no re-encoding)</source>
        <extracomment>The choice of a codec list that copies the track as it is.</extracomment>
        <translation>Cópia (sem recodificação)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The video is copied as it is (Copy, no re-encoding): its bit rate, size, aspect and frame rate stay the source&apos;s.</source>
        <translation>O vídeo é copiado como está (Cópia, sem recodificação): a taxa de bits, o tamanho, a proporção e a taxa de quadros continuam os do original.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The sound is copied as it is (Copy, no re-encoding): its sampling rate, bit rate and channels stay the source&apos;s.</source>
        <translation>O áudio é copiado como está (Cópia, sem recodificação): a taxa de amostragem, a taxa de bits e os canais continuam os do original.</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Audio Bitrate</source>
        <translation>Taxa de áudio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Video Bitrate</source>
        <translation>Taxa de vídeo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame Rate</source>
        <translation>Quadros</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Field in the custom Format must be a number greater than 0.</source>
        <extracomment>%1 is a field&apos;s name: Audio Bitrate, Channels, Video Bitrate or Frame Rate.</extracomment>
        <translation>O campo “%1” do formato personalizado precisa ser um número maior que 0.</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>The %1 container cannot hold %2 video. Choose one of: %3.</source>
        <extracomment>%1 is a container, such as AVI; %2 a codec; %3 the codecs it holds.</extracomment>
        <translation>O contêiner %1 não comporta vídeo %2. Escolha um destes: %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The %1 container cannot hold %2 sound. Choose one of: %3.</source>
        <extracomment>%1 is a container, such as AVI; %2 a codec; %3 the codecs it holds.</extracomment>
        <translation>O contêiner %1 não comporta áudio %2. Escolha um destes: %3.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Category:%1, Codec:&quot;%2&quot;, Container:&quot;%3&quot;</source>
        <extracomment>The chosen preset: %1 is its category, %2 its name, %3 its container.</extracomment>
        <translation>Categoria: %1, Codec: “%2”, Contêiner: “%3”</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Container:%1, Video Codec:&quot;%2&quot;, Audio Codec:&quot;%3&quot;</source>
        <extracomment>The custom format: %1 is its container, %2 and %3 its codecs.</extracomment>
        <translation>Contêiner: %1, Codec de vídeo: “%2”, Codec de áudio: “%3”</translation>
    </message>
</context>
<context>
    <name>reelwright::DOSOutputs</name>
    <message>
        <location filename="../src/engine/DOSOutputs.cpp" line="+75"/>
        <source>Command Line is empty</source>
        <translation>A linha de comando está vazia</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+20"/>
        <source>CreatePipe failed. Error: %1</source>
        <extracomment>%1 is the system&apos;s error number.</extracomment>
        <translation>Falha em CreatePipe. Erro: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File or command not found</source>
        <translation>Arquivo ou comando não encontrado</translation>
    </message>
</context>
<context>
    <name>reelwright::DecodeCheck</name>
    <message>
        <location filename="../src/engine/DecodeCheck.cpp" line="+107"/>
        <source>The encoder could not be started to check %1 by decoding it.</source>
        <extracomment>%1 is the converted file.</extracomment>
        <translation>Não foi possível iniciar o codificador para verificar %1 por decodificação.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 decodes only %2 of %3 seconds, so it was not kept.</source>
        <extracomment>%1 is the converted file; %2 and %3 are numbers of seconds.</extracomment>
        <translation>%1 só é decodificado em %2 de %3 segundos, por isso não foi mantido.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 does not decode without errors, so it was not kept.</source>
        <extracomment>%1 is the converted file.</extracomment>
        <translation>%1 não é decodificado sem erros, por isso não foi mantido.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 does not decode without errors, so it was not kept: %2</source>
        <extracomment>%1 is the converted file, %2 the decoder&apos;s first complaint.</extracomment>
        <translation>%1 não é decodificado sem erros, por isso não foi mantido: %2</translation>
    </message>
</context>
<context>
    <name>reelwright::Desktop</name>
    <message>
        <location filename="../src/platform/Desktop.cpp" line="+41"/>
        <source>the file is missing.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>o arquivo não foi encontrado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the desktop has no program for it. Installing xdg-utils (sudo apt install xdg-utils) and a player or browser helps.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>a área de trabalho não tem um programa para abri-lo. Instalar o xdg-utils (sudo apt install xdg-utils) e um player ou navegador ajuda.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no program on this computer could open it. Install a player or browser, or choose one as the desktop&apos;s default for it.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>nenhum programa deste computador conseguiu abri-lo. Instale um player ou navegador, ou escolha um como padrão da área de trabalho para abri-lo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 could not be opened: %2</source>
        <extracomment>%1 is a file or web address, %2 why it could not be opened.</extracomment>
        <translation>Não foi possível abrir %1: %2</translation>
    </message>
</context>
<context>
    <name>reelwright::Dialogs</name>
    <message>
        <location filename="../src/platform/Dialogs.cpp" line="+61"/>
        <source>Save as Preset</source>
        <translation>Salvar como predefinição</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preset name</source>
        <translation>Nome da predefinição</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Category:</source>
        <translation>Categoria:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset name:</source>
        <translation>Nome da predefinição:</translation>
    </message>
</context>
<context>
    <name>reelwright::Encoder</name>
    <message>
        <location filename="../src/engine/Encoder.cpp" line="+33"/>
        <source>The encoder %1 cannot be run: it is not executable. Make it executable (chmod +x) or remove it to use the ffmpeg installed on the system.</source>
        <extracomment>%1 is the path of the ffmpeg beside the program.</extracomment>
        <translation>O codificador %1 não pode ser executado: ele não tem permissão de execução. Torne-o executável (chmod +x) ou remova-o para usar o ffmpeg instalado no sistema.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The encoder ffmpeg was not found. It was looked for in %1 and in the folders of PATH (%2). Install it with: sudo apt install ffmpeg</source>
        <extracomment>%1 is the program&apos;s folder, %2 the folders of PATH.</extracomment>
        <translation>O codificador ffmpeg não foi encontrado. Ele foi procurado em %1 e nas pastas do PATH (%2). Instale-o com: sudo apt install ffmpeg</translation>
    </message>
</context>
<context>
    <name>reelwright::EncoderOutputView</name>
    <message>
        <location filename="../src/window/EncoderOutputView.cpp" line="+20"/>
        <source>Encoder Output - %1</source>
        <translation>Saída do codificador – %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Copy All</source>
        <translation>Copiar tudo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What the encoder said</source>
        <translation>O que o codificador disse</translation>
    </message>
</context>
<context>
    <name>reelwright::FailureReason</name>
    <message>
        <location filename="../src/engine/FailureReason.cpp" line="+108"/>
        <source>%1 has no sound to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 não tem áudio para converter.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has no picture to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 não tem imagem para converter.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 has neither picture nor sound to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 não tem imagem nem áudio para converter.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The chosen format keeps nothing of %1.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>O formato escolhido não mantém nada de %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing was converted: %1 holds no picture frames or sound samples the encoder could read. It may be empty or damaged.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>Nada foi convertido: %1 não contém quadros de imagem nem amostras de áudio que o codificador consiga ler. Ele pode estar vazio ou danificado.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The encoder cannot read %1: it is not a kind of media file it knows, or it is damaged.</source>
        <extracomment>%1 is a file&apos;s name.</extracomment>
        <translation>O codificador não consegue ler %1: não é um tipo de arquivo de mídia que ele conheça, ou está danificado.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The encoder took more than %1 seconds to read %2, so it is taken as unreadable.</source>
        <extracomment>%1 is a number of seconds, %2 a file&apos;s name.</extracomment>
        <translation>O codificador levou mais de %1 segundos para ler %2, por isso o arquivo é considerado ilegível.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The disk of %1 is full: %2 could not be written.</source>
        <extracomment>%1 is a folder, %2 the converted file&apos;s name.</extracomment>
        <translation>O disco de %1 está cheio: não foi possível gravar %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 grew larger than the disk of %2 allows for one file.</source>
        <extracomment>%1 is the converted file&apos;s name, %2 its folder.</extracomment>
        <translation>%1 ficou maior do que o disco de %2 permite para um único arquivo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be written: permission denied.</source>
        <extracomment>%1 is the output folder.</extracomment>
        <translation>Não é possível gravar em %1: permissão negada.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is on a disk that cannot be written to (read-only).</source>
        <extracomment>%1 is the output folder.</extracomment>
        <translation>%1 está em um disco que não aceita gravação (somente leitura).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The output folder %1 is not there any more.</source>
        <translation>A pasta de saída %1 não existe mais.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not there any more: it was moved, renamed or deleted after it was added.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 não existe mais: foi movido, renomeado ou excluído depois de ser adicionado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot be read: permission denied.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>Não é possível ler %1: permissão negada.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg has no encoder &quot;%1&quot;: choose another codec, or install an ffmpeg that has it.</source>
        <extracomment>%1 is the encoder&apos;s name for a codec, such as libx264.</extracomment>
        <translation>Este ffmpeg não tem o codificador “%1”: escolha outro codec ou instale um ffmpeg que o tenha.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg has no encoder for the chosen format: choose another format, or install an ffmpeg that has it.</source>
        <translation>Este ffmpeg não tem codificador para o formato escolhido: escolha outro formato ou instale um ffmpeg que o tenha.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg does not know the option -%1 of the chosen format.</source>
        <extracomment>%1 is an encoder option&apos;s name, shown after its dash.</extracomment>
        <translation>Este ffmpeg não conhece a opção -%1 do formato escolhido.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder refused the value &quot;%1&quot; of the option -%2 of the chosen format.</source>
        <extracomment>%1 is a value, %2 an encoder option&apos;s name, shown after its dash.</extracomment>
        <translation>O codificador recusou o valor “%1” da opção -%2 do formato escolhido.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The encoder refused the chosen format&apos;s settings for %1.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>O codificador recusou as configurações do formato escolhido para %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The encoder refused the chosen format&apos;s settings for %1: %2</source>
        <extracomment>%1 is the name of the file being converted, %2 the encoder&apos;s own words.</extracomment>
        <translation>O codificador recusou as configurações do formato escolhido para %1: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The chosen container cannot hold what the format puts in it.</source>
        <translation>O contêiner escolhido não comporta o que o formato coloca nele.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The chosen container cannot hold what the format puts in it: %1</source>
        <extracomment>%1 is the encoder&apos;s own words.</extracomment>
        <translation>O contêiner escolhido não comporta o que o formato coloca nele: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The encoder was interrupted (signal %1) before it finished %2.</source>
        <extracomment>%1 is a signal&apos;s number, %2 the name of the file being converted.</extracomment>
        <translation>O codificador foi interrompido (sinal %1) antes de terminar %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The encoder could not convert %1:<byte value="xd"/>
%2</source>
        <extracomment>%1 is the name of the file being converted; the encoder&apos;s own last lines follow on the next line (%2).</extracomment>
        <translation>O codificador não conseguiu converter %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The encoder stopped with exit code %1.</source>
        <translation>O codificador parou com o código de saída %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The encoder crashed.</source>
        <translation>O codificador encerrou de forma inesperada.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The encoder wrote nothing into %1.</source>
        <extracomment>%1 is the converted file&apos;s name.</extracomment>
        <translation>O codificador não gravou nada em %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The input file ended early: only %1 of %2 seconds were converted. It may be truncated or damaged.</source>
        <extracomment>%1 and %2 are numbers of seconds.</extracomment>
        <translation>O arquivo original terminou antes do esperado: só %1 de %2 segundos foram convertidos. Ele pode estar truncado ou danificado.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The input file ended early. It may be truncated or damaged.</source>
        <translation>O arquivo original terminou antes do esperado. Ele pode estar truncado ou danificado.</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 what it is instead of a file (&quot;it is a named pipe, not a regular file&quot;).</extracomment>
        <translation>%1 não foi lido: %2.</translation>
    </message>
</context>
<context>
    <name>reelwright::FileEstimate</name>
    <message>
        <source>about %1 s</source>
        <translation>cerca de %1 s</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>cerca de %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>cerca de %1 h %2 min</translation>
    </message>
    <message>
        <source>About %1, %2 to convert</source>
        <translation>Cerca de %1, %2 para converter</translation>
    </message>
    <message>
        <source>About %1; %2</source>
        <translation>Cerca de %1; %2</translation>
    </message>
    <message>
        <source>Its length is not known.</source>
        <translation>A duração não é conhecida.</translation>
    </message>
    <message>
        <source>A piece of it could not be encoded.</source>
        <translation>Um trecho não pôde ser codificado.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Parado.</translation>
    </message>
</context>
<context>
    <name>reelwright::FormatChoice</name>
    <message>
        <location filename="../src/formats/FormatChoice.cpp" line="+25"/>
        <source>Error Occured while Loading Presets.</source>
        <translation>Ocorreu um erro ao carregar as predefinições.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The catalogue holds no video codec.</source>
        <translation>O catálogo não contém nenhum codec de vídeo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The catalogue holds no audio codec.</source>
        <translation>O catálogo não contém nenhum codec de áudio.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Error Occured while Loading Codecs.</source>
        <translation>Ocorreu um erro ao carregar os codecs.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>There is no folder for your own presets.</source>
        <translation>Não há uma pasta para as suas predefinições.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; in &quot;%2&quot; (%3) is a preset that comes with the program; choose another name.</source>
        <translation>“%1” em “%2” (%3) é uma predefinição que vem com o programa; escolha outro nome.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The custom format&apos;s options cannot be kept in a preset: %1</source>
        <translation>As opções do formato personalizado não podem ser guardadas em uma predefinição: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The preset could not be saved in %1: %2</source>
        <translation>Não foi possível salvar a predefinição em %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The preset &quot;%1&quot; was replaced under &quot;%2&quot; with the presets, kept in %3.</source>
        <translation>A predefinição “%1” foi substituída em “%2”, na lista de predefinições; ela fica guardada em %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The preset &quot;%1&quot; is listed under &quot;%2&quot; with the presets, kept in %3.</source>
        <translation>A predefinição “%1” aparece em “%2”, na lista de predefinições; ela fica guardada em %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Only presets of your own can be removed.</source>
        <translation>Só as suas próprias predefinições podem ser removidas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset could not be removed from %1: %2</source>
        <translation>Não foi possível remover a predefinição de %1: %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>the video codec &quot;%1&quot;</source>
        <translation>o codec de vídeo “%1”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the audio codec &quot;%1&quot;</source>
        <translation>o codec de áudio “%1”</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the video codec at position %1</source>
        <translation>o codec de vídeo na posição %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the audio codec at position %1</source>
        <translation>o codec de áudio na posição %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A codec saved for the custom format is no longer in the codec list (%1), so none is chosen in its place: choose one in the format panel before converting with the custom format.</source>
        <translation>Um codec salvo para o formato personalizado não está mais na lista de codecs (%1), então nenhum foi escolhido no lugar dele: escolha um no painel de formatos antes de converter com o formato personalizado.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No video codec is chosen in the custom format: choose one in the format panel.</source>
        <translation>Nenhum codec de vídeo foi escolhido no formato personalizado: escolha um no painel de formatos.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No audio codec is chosen in the custom format: choose one in the format panel.</source>
        <translation>Nenhum codec de áudio foi escolhido no formato personalizado: escolha um no painel de formatos.</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>The preset &quot;%1 / %2&quot; (%3) has a quote that is not closed in its params: %4</source>
        <translation>A predefinição “%1 / %2” (%3) tem aspas não fechadas nos parâmetros: %4</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>A codec name of the custom format has a quote that is not closed: %1</source>
        <translation>Um nome de codec do formato personalizado tem aspas não fechadas: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Channels Field in the custom Format can not be empty.</source>
        <translation>O campo “Canais” do formato personalizado não pode ficar vazio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Frame Rate Field in the custom Format can not be empty.</source>
        <translation>O campo “Quadros” do formato personalizado não pode ficar vazio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Audio Bitrate Field in the custom Format can not be empty.</source>
        <translation>O campo “Taxa” de áudio do formato personalizado não pode ficar vazio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Video Bitrate Field in the custom Format can not be empty.</source>
        <translation>O campo “Taxa” de vídeo do formato personalizado não pode ficar vazio.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The %1 container holds video only: the sound is left out.</source>
        <translation>O contêiner %1 só comporta vídeo: o áudio fica de fora.</translation>
    </message>
    <message>
        <source>&quot;%1 / %2&quot; (%3)</source>
        <extracomment>A preset as the user is told of it: its category, its name and its container.</extracomment>
        <translation>“%1 / %2” (%3)</translation>
    </message>
    <message>
        <source>The custom format&apos;s options cannot be used: %1</source>
        <translation>As opções do formato personalizado não podem ser usadas: %1</translation>
    </message>
    <message>
        <source>The preset &quot;%1 / %2&quot; (%3) cannot be used: %4</source>
        <translation>A predefinição “%1 / %2” (%3) não pode ser usada: %4</translation>
    </message>
    <message>
        <source>The preset %1 in %2 was left out.<byte value="xd"/>
It holds more than options for the file being converted: %3.</source>
        <extracomment>%1 is a preset, %2 the file it is in, %3 why it was left out.</extracomment>
        <translation>A predefinição %1 em %2 foi deixada de fora.<byte value="xd"/>
Ela contém mais do que opções para o arquivo em conversão: %3.</translation>
    </message>
    <message>
        <source>These presets in %1 were left out, since they hold more than options for the file being converted:<byte value="xd"/>
%2</source>
        <extracomment>%1 is a file of presets, %2 the presets left out of it, one a line.</extracomment>
        <translation>Estas predefinições em %1 foram deixadas de fora, pois contêm mais do que opções para o arquivo em conversão:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>reelwright::JobGrid</name>
    <message>
        <location filename="../src/joblist/JobGridAccessible.cpp" line="+42"/>
        <source>Ticked</source>
        <translation>Marcada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not ticked</source>
        <translation>Não marcada</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Empty</source>
        <translation>Vazia</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Tick</source>
        <translation>Marca</translation>
    </message>
</context>
<context>
    <name>reelwright::JobList</name>
    <message>
        <location filename="../src/joblist/JobList.cpp" line="+48"/>
        <source>its full name is too long for the system (%1 bytes; the most it takes is %2), so neither Reelwright nor the encoder can open it</source>
        <extracomment>Why a file is not added. %1 and %2 are numbers of bytes.</extracomment>
        <translation>o nome completo é longo demais para o sistema (%1 bytes; o máximo aceito é %2), então nem o Reelwright nem o codificador conseguem abri-lo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>one of the names in its path is too long for the system (the most it takes is %1 bytes)</source>
        <extracomment>Why a file is not added. %1 is a number of bytes.</extracomment>
        <translation>um dos nomes no caminho é longo demais para o sistema (o máximo aceito é %1 bytes)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An error occured while Adding File<byte value="xd"/>%1:%2</source>
        <extracomment>%1 is an error number, %2 what went wrong.</extracomment>
        <translation>Ocorreu um erro ao adicionar o arquivo<byte value="xd"/>%1:%2</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>it has no extension, so its kind cannot be told</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>não tem extensão, então não é possível saber o tipo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a video file (.%1)</source>
        <extracomment>Why a file is not added. %1 is its extension.</extracomment>
        <translation>não é um arquivo de vídeo (.%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>another add is running</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>outra adição está em andamento</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>already in the list</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>já está na lista</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>its name is not valid UTF-8, so it cannot be passed on unchanged; rename the file to add it</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>o nome não é UTF-8 válido, então não pode ser repassado sem alteração; renomeie o arquivo para adicioná-lo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not found</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>não encontrado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a regular file</source>
        <extracomment>Why a file is not added: it is a folder, a device or a pipe.</extracomment>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bad file name: %1 (%2)</source>
        <extracomment>%1 is a path, %2 why it cannot be used.</extracomment>
        <translation>Nome de arquivo inválido: %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File not found: %1 (%2)</source>
        <extracomment>%1 is a path, %2 why it cannot be used.</extracomment>
        <translation>Arquivo não encontrado: %1 (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it cannot be read (permission denied)</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>não pode ser lido (permissão negada)</translation>
    </message>
    <message>
        <source>a sound file, with no picture: to convert it, choose one of the Audio Only presets</source>
        <extracomment>Why a file is not added. &quot;Audio Only&quot; is the category of presets in the format panel; keep it as the panel shows it.</extracomment>
        <translation>arquivo de áudio, sem imagem: para convertê-lo, escolha uma das predefinições “Audio Only”</translation>
    </message>
    <message>
        <source>it has no sound, and the chosen format keeps sound only</source>
        <extracomment>Why a file is not added: the chosen format (an Audio Only preset) makes sound files.</extracomment>
        <translation>não tem áudio, e o formato escolhido só mantém o áudio</translation>
    </message>
    <message>
        <source>it holds neither picture nor sound to convert</source>
        <extracomment>Why a file is not added: it can be read, but has no track a conversion can keep.</extracomment>
        <translation>não contém imagem nem áudio para converter</translation>
    </message>
</context>
<context>
    <name>reelwright::JobListStore</name>
    <message>
        <location filename="../src/joblist/JobListStore.cpp" line="+188"/>
        <source>File Path</source>
        <translation>Caminho do arquivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Conversion Status</source>
        <translation>Status da conversão</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time Length</source>
        <translation>Duração</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File Size</source>
        <translation>Tamanho</translation>
    </message>
</context>
<context>
    <name>reelwright::KeptListScanner</name>
    <message>
        <location filename="../src/batch/KeptListScanner.cpp" line="+44"/>
        <source>reading was abandoned</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>a leitura foi interrompida</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it ends too early</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>termina antes do esperado</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+6"/>
        <source>it is not a kept job list</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>não é uma lista de arquivos guardada</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a member has no name at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>um membro não tem nome no byte %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a member has no value at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>um membro não tem valor no byte %1</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>the rows are not a list at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>as linhas não formam uma lista no byte %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a value cannot be read before byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>não é possível ler um valor antes do byte %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>garbage at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>dados inválidos no byte %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>garbage at the end</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>dados a mais no final</translation>
    </message>
</context>
<context>
    <name>reelwright::KeptQueue</name>
    <message>
        <location filename="../src/batch/KeptQueue.cpp" line="+295"/>
        <source>it is not a kept job list</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>não é uma lista de arquivos guardada</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it was written by a newer Reelwright</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>foi gravada por uma versão mais nova do Reelwright</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: %2</source>
        <extracomment>Why the job list cannot be kept: %1 is its file, %2 the reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is larger than any list of files</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>é grande demais para ser uma lista de arquivos</translation>
    </message>
</context>
<context>
    <name>reelwright::MediaTracks</name>
    <message>
        <location filename="../src/engine/MediaTracks.cpp" line="+272"/>
        <source>out of memory</source>
        <extracomment>Why a file&apos;s tracks could not be read.</extracomment>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+7"/>
        <source>it took too long to read</source>
        <extracomment>Why a file&apos;s tracks could not be read.</extracomment>
        <translation>a leitura demorou demais</translation>
    </message>
</context>
<context>
    <name>reelwright::Notifier</name>
    <message>
        <location filename="../src/platform/Notifier.cpp" line="+66"/>
        <source>... and %1 more</source>
        <extracomment>Ends a list cut short in a message: %1 is how many lines are not shown.</extracomment>
        <translation>... e mais %1</translation>
    </message>
</context>
<context>
    <name>reelwright::OutputNaming</name>
    <message>
        <location filename="../src/batch/OutputNaming.cpp" line="+106"/>
        <source>The output folder %1 does not exist and cannot be made: %2.</source>
        <extracomment>%1 is a folder, %2 why it cannot be made.</extracomment>
        <translation>A pasta de saída %1 não existe e não pode ser criada: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Every name for the converted file is taken in %1.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Todos os nomes para o arquivo convertido já estão em uso em %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Folder is not exist and can not be created.</source>
        <translation>A pasta de saída não existe e não pode ser criada.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>its parent folder does not exist (only one missing level is made)</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>a pasta acima dela não existe (só é criado um nível que falte)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>no folder is given</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>nenhuma pasta foi informada</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not a full path</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>não é um caminho completo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a file of that name is in the way</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>já existe um arquivo com esse nome</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>it could not be made</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>não foi possível criá-la</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>No file can be written in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>Não é possível gravar arquivos em %1: %2</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>The converted file could not be named %1: %2.</source>
        <extracomment>%1 is a path, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível dar ao arquivo convertido o nome %1: %2.</translation>
    </message>
    <message>
        <source>The converted file was taken away from %1 by another program while it was written, so it was not kept.</source>
        <extracomment>%1 is a hidden file&apos;s path.</extracomment>
        <translation>O arquivo convertido foi retirado de %1 por outro programa enquanto era gravado, então não foi mantido.</translation>
    </message>
</context>
<context>
    <name>reelwright::OwnPresets</name>
    <message>
        <location filename="../src/formats/OwnPresets.cpp" line="+25"/>
        <source>Your own presets in %1 cannot be read (%2), so they are not listed; the file is left as it is.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 why it cannot be read.</extracomment>
        <translation>Não é possível ler as suas predefinições em %1 (%2), então elas não são listadas; o arquivo foi deixado como está.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why a preset cannot be saved: %1 is a folder.</extracomment>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Your own presets in %1 are damaged (%2). The file was set aside as %3; the presets that come with the program are listed.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 what is wrong in it, %3 the name it was given.</extracomment>
        <translation>As suas predefinições em %1 estão danificadas (%2). O arquivo foi guardado à parte como %3; as predefinições que vêm com o programa são listadas.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your own presets in %1 are damaged (%2) and could not be set aside, so they are not listed.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 what is wrong in it.</extracomment>
        <translation>As suas predefinições em %1 estão danificadas (%2) e não puderam ser guardadas à parte, então não são listadas.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>category</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>categoria</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>name</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>nome</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>container</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>contêiner</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 cannot be empty.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>O campo “%1” da predefinição não pode ficar vazio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 cannot begin or end with a space.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>O campo “%1” da predefinição não pode começar nem terminar com espaço.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 can be at most 100 characters long.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>O campo “%1” da predefinição pode ter no máximo 100 caracteres.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The preset&apos;s %1 cannot hold &quot;&lt;&quot;, &quot;&gt;&quot; or a line break.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>O campo “%1” da predefinição não pode conter “&lt;”, “&gt;” nem quebra de linha.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The preset&apos;s category cannot hold &quot;/&quot;.</source>
        <translation>A categoria da predefinição não pode conter “/”.</translation>
    </message>
    <message>
        <source>it lists no presets: it begins with &lt;%1&gt;, not &lt;presets&gt;</source>
        <extracomment>%1 is the name of the first element of a file that should list presets.</extracomment>
        <translation>não lista predefinições: começa com &lt;%1&gt;, não com &lt;presets&gt;</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <extracomment>%1 and %2 are a line and a column of the file; %3 what the XML reader found there.</extracomment>
        <translation>linha %1, coluna %2: %3</translation>
    </message>
    <message>
        <source>the preset that ends on line %1 lacks its label, params, extension or category</source>
        <extracomment>%1 is a line number of the file of one&apos;s own presets.</extracomment>
        <translation>a predefinição que termina na linha %1 está sem nome, parâmetros, extensão ou categoria</translation>
    </message>
</context>
<context>
    <name>reelwright::PassLogs</name>
    <message>
        <source>No folder for the first pass&apos;s log can be made as %1: %2</source>
        <translation>Não é possível criar a pasta %1 para o registro da primeira passagem: %2</translation>
    </message>
</context>
<context>
    <name>reelwright::PicturePlan</name>
    <message>
        <location filename="../src/batch/PicturePlan.cpp" line="+165"/>
        <source>Interlaced picture kept, top field first.</source>
        <translation>Imagem entrelaçada mantida, campo superior primeiro.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interlaced picture kept, bottom field first.</source>
        <translation>Imagem entrelaçada mantida, campo inferior primeiro.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Interlaced picture made progressive.</source>
        <translation>Imagem entrelaçada convertida em progressiva.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>HDR kept: 10-bit, BT.2020 with %1.</source>
        <extracomment>%1 is the HDR transfer curve: PQ or HLG.</extracomment>
        <translation>HDR mantido: 10 bits, BT.2020 com %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>HDR kept: 10-bit, BT.2020 with %1, and its mastering display and light levels.</source>
        <extracomment>%1 is the HDR transfer curve: PQ or HLG.</extracomment>
        <translation>HDR mantido: 10 bits, BT.2020 com %1, além dos dados da tela de masterização e dos níveis de luz.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>HDR brought to standard range (BT.709).</source>
        <translation>HDR convertido para a faixa dinâmica padrão (BT.709).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Full-range picture brought to standard range.</source>
        <translation>Imagem de faixa completa convertida para a faixa padrão.</translation>
    </message>
    <message>
        <source>Black bars removed: %1 of %2.</source>
        <translation>Faixas pretas removidas: %1 de %2.</translation>
    </message>
    <message>
        <source>Film frames put back together (%1 fps).</source>
        <extracomment>%1 is the film&apos;s rate of frames a second: 23.976 or 24.</extracomment>
        <translation>Quadros de filme reconstituídos (%1 fps).</translation>
    </message>
    <message>
        <source>Frames flagged interlaced are whole pictures: left as they are.</source>
        <translation>Os quadros marcados como entrelaçados são imagens inteiras: deixados como estão.</translation>
    </message>
    <message>
        <source>Interlaced parts made progressive; whole frames left as they are.</source>
        <translation>Partes entrelaçadas convertidas em progressivas; quadros inteiros deixados como estão.</translation>
    </message>
    <message>
        <source>Interlaced picture brought to %1 fields a second, top field first.</source>
        <extracomment>%1 is a count of fields a second: 50 or 59.94.</extracomment>
        <translation>Imagem entrelaçada levada a %1 campos por segundo, campo superior primeiro.</translation>
    </message>
</context>
<context>
    <name>reelwright::ResultClaim</name>
    <message>
        <location filename="../src/batch/ResultClaim.cpp" line="+75"/>
        <source>the claim file cannot be made: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>não é possível criar o arquivo de reserva: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the folder keeps no locks: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>a pasta não suporta bloqueios: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the claim file keeps changing</source>
        <translation>o arquivo de reserva não para de mudar</translation>
    </message>
</context>
<context>
    <name>reelwright::RunLog</name>
    <message>
        <location filename="../src/batch/RunLog.cpp" line="+30"/>
        <source>%1 cannot be made</source>
        <extracomment>Why no log can be written: %1 is the logs&apos; folder.</extracomment>
        <translation>não é possível criar %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>no file can be written in %1: %2</source>
        <extracomment>Why no log can be written: %1 is the logs&apos; folder, %2 the system&apos;s reason.</extracomment>
        <translation>não é possível gravar arquivos em %1: %2</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%1 cannot be written: %2</source>
        <extracomment>Why a log is not whole: %1 is its file, %2 the system&apos;s reason.</extracomment>
        <translation>não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>reelwright::SizeFitting</name>
    <message>
        <source>A copy keeps its picture as it is, so it cannot be made to fit a size: choose a format that encodes the picture.</source>
        <translation>Uma cópia mantém a imagem como está, então não pode ser ajustada a um tamanho: escolha um formato que codifique a imagem.</translation>
    </message>
    <message>
        <source>This format&apos;s picture (%1) keeps a quality of its own that no bit rate changes, so it cannot be made to fit a size: choose a format such as MP4 or WebM.</source>
        <translation>A imagem deste formato (%1) tem uma qualidade própria que nenhuma taxa de bits muda, então não pode ser ajustada a um tamanho: escolha um formato como MP4 ou WebM.</translation>
    </message>
    <message>
        <source>Picture made smaller to fit: %1.</source>
        <translation>Imagem reduzida para caber: %1.</translation>
    </message>
    <message>
        <source>The result reached %1, over the limit of %2, and at a lower rate its picture would not be worth watching; it was not kept.</source>
        <translation>O resultado chegou a %1, acima do limite de %2, e com uma taxa menor a imagem não valeria a pena; não foi mantido.</translation>
    </message>
    <message>
        <source>The result reached %1, over the limit of %2, after %3 encodes; it was not kept.</source>
        <translation>O resultado chegou a %1, acima do limite de %2, após %3 codificações; não foi mantido.</translation>
    </message>
    <message>
        <source>Made to fit %1: %2.</source>
        <translation>Ajustado a %1: %2.</translation>
    </message>
    <message>
        <source>Made to fit %1: %2, encoded %3 times.</source>
        <translation>Ajustado a %1: %2, codificado %3 vezes.</translation>
    </message>
    <message>
        <source>This file cannot be made to fit %1 in this format: even at its lowest quality its picture needs more. A larger limit, a smaller picture or another format would fit.</source>
        <translation>Este arquivo não pode caber em %1 neste formato: mesmo na qualidade mais baixa, sua imagem precisa de mais. Um limite maior, uma imagem menor ou outro formato caberiam.</translation>
    </message>
</context>
<context>
    <name>reelwright::SizePlan</name>
    <message>
        <source>The file cannot fit in %1 and still be worth watching: at %3x%4 it needs at least %2. Choose a smaller picture, a shorter file or a larger limit.</source>
        <translation>O arquivo não cabe em %1 sem deixar de ser assistível: em %3x%4 ele precisa de pelo menos %2. Escolha uma imagem menor, um arquivo mais curto ou um limite maior.</translation>
    </message>
</context>
<context>
    <name>reelwright::Status</name>
    <message>
        <location filename="../src/joblist/StatusText.cpp" line="+9"/>
        <source>Waiting Conversion</source>
        <translation>Aguardando conversão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unkown Format</source>
        <translation>Formato desconhecido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starting...</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown format</source>
        <translation>Formato desconhecido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled</source>
        <translation>Cancelada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete</source>
        <translation>Concluída</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Waiting Next Batch</source>
        <translation>Aguarda o próximo lote</translation>
    </message>
</context>
<context>
    <name>reelwright::TimeLeft</name>
    <message>
        <location filename="../src/batch/TimeLeft.cpp" line="+209"/>
        <source>File %1 of %2</source>
        <extracomment>The batch&apos;s progress: the file converting now, of how many.</extracomment>
        <translation>Arquivo %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%1% of %n files</source>
        <translation>
            <numerusform>%1% de %n arquivo</numerusform>
            <numerusform>%1% de %n arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1% of %n files, %2 left</source>
        <translation>
            <numerusform>%1% de %n arquivo, faltam %2</numerusform>
            <numerusform>%1% de %n arquivos, faltam %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::TrackPlan</name>
    <message>
        <location filename="../src/batch/TrackPlan.cpp" line="+143"/>
        <source>Its tracks could not be read (%1), so the encoder chose one of each kind.</source>
        <extracomment>%1 is why the file&apos;s tracks could not be read.</extracomment>
        <translation>Não foi possível ler as faixas do arquivo (%1), então o codificador escolheu uma de cada tipo.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>one track of each kind is kept (Keep every audio and subtitle track is off)</source>
        <extracomment>Why a track was left out. The words in parentheses are a setting&apos;s name in the window.</extracomment>
        <translation>uma faixa de cada tipo é mantida (“Manter faixas de áudio e legendas” está desligado)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1 holds no picture</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 não comporta imagem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds one picture track: the main one is kept</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 comporta uma só faixa de vídeo: a principal é mantida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chosen format keeps no picture</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>o formato escolhido não mantém a imagem</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 holds no sound</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 não comporta áudio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds one sound track: the default one is kept</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 comporta uma só faixa de áudio: a padrão é mantida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chosen format keeps no sound</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>o formato escolhido não mantém o áudio</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the chosen format keeps no subtitles</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>o formato escolhido não mantém legendas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot hold picture subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 não comporta legendas em imagem</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold text subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 não comporta legendas em texto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 não comporta legendas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold subtitles of this kind</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 não comporta legendas deste tipo</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 cannot hold fonts</source>
        <extracomment>Why a font was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 não comporta fontes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot hold cover art</source>
        <extracomment>Why the cover art was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 não comporta imagem de capa</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its picture could not be read</source>
        <extracomment>Why the cover art was left out.</extracomment>
        <translation>não foi possível ler a imagem</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The source has no picture: only its sound was kept.</source>
        <translation>O original não tem imagem: só o áudio foi mantido.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 cannot hold %2 video copied as it is, so nothing was written: choose a preset that encodes it, or a container that holds %2 (MKV holds any).</source>
        <extracomment>%1 is a kind of file, such as AVI; %2 a codec, such as HEVC.</extracomment>
        <translation>%1 não comporta vídeo %2 copiado como está, então nada foi gravado: escolha uma predefinição que o codifique ou um contêiner que comporte %2 (o MKV comporta qualquer um).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot hold %2 sound copied as it is, so nothing was written: choose a preset that encodes it, or a container that holds %2 (MKV holds any).</source>
        <extracomment>%1 is a kind of file, such as AVI; %2 a codec, such as Opus.</extracomment>
        <translation>%1 não comporta áudio %2 copiado como está, então nada foi gravado: escolha uma predefinição que o codifique ou um contêiner que comporte %2 (o MKV comporta qualquer um).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 cannot hold %2 video as it is: it was encoded as %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are codecs.</extracomment>
        <translation>%1 não comporta vídeo %2 como está: ele foi codificado como %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold %2 sound as it is: it was encoded as %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are codecs.</extracomment>
        <translation>%1 não comporta áudio %2 como está: ele foi codificado como %3.</translation>
    </message>
    <message>
        <source>%1 cannot hold %2 subtitles as they are: they were converted to %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are subtitle formats, such as SRT.</extracomment>
        <translation>%1 não comporta legendas %2 como estão: elas foram convertidas para %3.</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>The converted file %1 cannot be read back (%2), so it was not kept.</source>
        <extracomment>%1 is the converted file, %2 why it cannot be read.</extracomment>
        <translation>O arquivo convertido %1 não pode ser relido (%2), então não foi mantido.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1, %2</source>
        <extracomment>Joins the kinds of tracks a converted file lacks.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n video tracks</source>
        <translation>
            <numerusform>%1 das %n faixas de vídeo</numerusform>
            <numerusform>%1 das %n faixas de vídeo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n audio tracks</source>
        <translation>
            <numerusform>%1 das %n faixas de áudio</numerusform>
            <numerusform>%1 das %n faixas de áudio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n subtitle tracks</source>
        <translation>
            <numerusform>%1 das %n faixas de legendas</numerusform>
            <numerusform>%1 das %n faixas de legendas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n cover pictures</source>
        <translation>
            <numerusform>%1 das %n imagens de capa</numerusform>
            <numerusform>%1 das %n imagens de capa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n fonts</source>
        <translation>
            <numerusform>%1 das %n fontes</numerusform>
            <numerusform>%1 das %n fontes</numerusform>
        </translation>
    </message>
    <message>
        <source>The converted file %1 lacks %2 it was to keep, so it was not kept.</source>
        <translation>O arquivo convertido %1 não tem o que deveria manter (%2), então ele não foi mantido.</translation>
    </message>
    <message>
        <source>the video track</source>
        <translation>a faixa de vídeo</translation>
    </message>
    <message>
        <source>the audio track</source>
        <translation>a faixa de áudio</translation>
    </message>
    <message>
        <source>the subtitle track</source>
        <translation>a faixa de legendas</translation>
    </message>
    <message>
        <source>the cover picture</source>
        <translation>a imagem de capa</translation>
    </message>
    <message>
        <source>the font</source>
        <translation>a fonte</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 holds DVD subtitles only, and these pictures cannot become them without being misplaced and recoloured</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MPEG (DVD).</extracomment>
        <translation>%1 só comporta legendas de DVD, e estas imagens não podem virar legendas de DVD sem ficar fora de lugar e com as cores alteradas</translation>
    </message>
    <message>
        <source>Subtitles beside the video joined it: %1.</source>
        <extracomment>%1 lists subtitle files beside the video, such as &quot;film.en.srt, film.de.srt&quot;.</extracomment>
        <translation>Legendas ao lado do vídeo entraram nele: %1.</translation>
    </message>
    <message>
        <source>The source was not read: %1, so nothing was converted.</source>
        <extracomment>%1 says what the source is instead of a file (&quot;it is a named pipe, not a regular file&quot;).</extracomment>
        <translation>O original não foi lido: %1, então nada foi convertido.</translation>
    </message>
    <message>
        <source>the file declares it but holds no picture in it</source>
        <extracomment>Why a track was left out: the file lists it, but no frame of it.</extracomment>
        <translation>o arquivo declara a faixa, mas ela não contém imagem</translation>
    </message>
    <message>
        <source>the file declares it but holds no sound in it</source>
        <extracomment>Why a track was left out: the file lists it, but no sound of it.</extracomment>
        <translation>o arquivo declara a faixa, mas ela não contém áudio</translation>
    </message>
</context>
<context>
    <name>reelwright::TrackReport</name>
    <message>
        <location filename="../src/joblist/TrackReport.cpp" line="+23"/>
        <location line="+117"/>
        <source>%1, %2</source>
        <extracomment>Joins the items of a list but the last: &quot;1 video, 2 audio&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="-114"/>
        <source>%1 and %2</source>
        <extracomment>Joins the last item of a list: &quot;1 video, 2 audio and 2 subtitle&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%n fonts</source>
        <translation>
            <numerusform>%n fonte</numerusform>
            <numerusform>%n fontes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video tracks</source>
        <translation>
            <numerusform>%n faixa de vídeo</numerusform>
            <numerusform>%n faixas de vídeo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n audio tracks</source>
        <translation>
            <numerusform>%n faixa de áudio</numerusform>
            <numerusform>%n faixas de áudio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle tracks</source>
        <translation>
            <numerusform>%n faixa de legendas</numerusform>
            <numerusform>%n faixas de legendas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture subtitle tracks</source>
        <translation>
            <numerusform>%n faixa de legendas em imagem</numerusform>
            <numerusform>%n faixas de legendas em imagem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 tracks</source>
        <translation>
            <numerusform>%n faixa do tipo %1</numerusform>
            <numerusform>%n faixas do tipo %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 video</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1 de vídeo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 audio</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1 de áudio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 subtitle</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1 de legendas</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+42"/>
        <source>the cover art</source>
        <translation>a imagem de capa</translation>
    </message>
    <message numerus="yes">
        <source>Kept %1 tracks.</source>
        <translation>
            <numerusform>Faixa mantida: %1.</numerusform>
            <numerusform>Faixas mantidas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %1 tracks, with %2.</source>
        <translation>
            <numerusform>Faixa mantida: %1, com %2.</numerusform>
            <numerusform>Faixas mantidas: %1, com %2.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kept %1.</source>
        <extracomment>%1 is the cover art or fonts kept.</extracomment>
        <translation>Mantido: %1.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1 (%2)</source>
        <extracomment>%1 is what was left out, %2 the language codes of its tracks.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <extracomment>%1 is what was left out, %2 why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; %2</source>
        <extracomment>Joins the groups of tracks left out, each with its reason.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Left out: %1.</source>
        <extracomment>%1 lists what was left out, each with its reason.</extracomment>
        <translation>Deixado de fora: %1.</translation>
    </message>
</context>
<context>
    <name>reelwright::UnendedProcesses</name>
    <message>
        <location filename="../src/engine/UnendedProcesses.cpp" line="+70"/>
        <source>Stopped, but the encoder (process %1) could not be stopped yet: it does not answer, as when a network folder it reads or writes no longer responds. It ends as soon as the system lets it, and its half-written file is removed then.</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>Interrompido, mas o codificador (processo %1) ainda não pôde ser parado: ele não responde, como acontece quando uma pasta de rede que ele lê ou grava deixa de responder. Ele será encerrado assim que o sistema permitir, e o arquivo gravado pela metade será removido nesse momento.</translation>
    </message>
</context>
<context>
    <name>reelwright::VideoFileAdder</name>
    <message>
        <location filename="../src/joblist/VideoFileAdder.cpp" line="+73"/>
        <source>Common Video Files (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Arquivos de vídeo comuns (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MPEG Files(.mpg,*.mpeg,*.mp2,*.mp4,*.mpe,*.m4v) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Arquivos MPEG (.mpg,*.mpeg,*.mp2,*.mp4,*.mpe,*.m4v) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Windows Media Files(*.wmv,*.asf) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Arquivos do Windows Media (*.wmv,*.asf) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AVI Files(*.avi) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Arquivos AVI (*.avi) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QuickTime Files-Ver2 or less(*.mov) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Arquivos QuickTime versão 2 ou anterior (*.mov) (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Files(*.*) (*)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (*)&quot; at the end, it is the pattern.</extracomment>
        <translation>Todos os arquivos (*.*) (*)</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Selected Folder is empty.</source>
        <translation>A pasta escolhida está vazia.</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>%1: %2</source>
        <extracomment>A line of the list of files not added: %1 is a path, %2 why it was not added.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some files are not supported or already exist and will not be added</source>
        <translation>Alguns arquivos não são suportados ou já estão na lista e não serão adicionados</translation>
    </message>
</context>
<context>
    <name>reelwright::WholeFile</name>
    <message>
        <location filename="../src/platform/WholeFile.cpp" line="+40"/>
        <source>the file written is not whole</source>
        <extracomment>Why a file could not be saved.</extracomment>
        <translation>o arquivo gravado não está completo</translation>
    </message>
</context>
<context>
    <name>reelwright::frmMain</name>
    <message>
        <source>[As Input]</source>
        <extracomment>The first item of the picture size and aspect lists: what the source has.</extracomment>
        <translation>[Como a entrada]</translation>
    </message>
    <message>
        <location filename="../src/window/frmMain.cpp" line="+98"/>
        <source>The list of files cannot be kept for the next start (%1). Converting goes on, but the list will be lost when Reelwright ends.</source>
        <translation>A lista de arquivos não pode ser guardada para a próxima vez (%1). A conversão continua, mas a lista será perdida quando o Reelwright fechar.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder&apos;s output cannot be kept in logs (%1). Converting goes on.</source>
        <translation>A saída do codificador não pode ser guardada em registros (%1). A conversão continua.</translation>
    </message>
    <message>
        <location line="+87"/>
        <location filename="../src/window/frmMainShell.cpp" line="+63"/>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/frmMainShell.cpp" line="+26"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (F1)</source>
        <translation>%1 (F1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Three easy steps to convert your video files.</source>
        <translation>Três passos simples para converter seus vídeos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  - Add Video Files/Folders</source>
        <translation>  - Adicionar vídeos ou pastas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Video File...</source>
        <translation>Adicionar vídeo…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Folder...</source>
        <translation>Adicionar pasta…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>For Quick Adding:You can drag and drop video files into the below list</source>
        <translation>Mais rápido: arraste os vídeos para a lista abaixo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select/Unselect All</source>
        <translation>Marcar tudo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Selected</source>
        <translation>Remover</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play Highlighted File</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  - Select Output Folder and Format</source>
        <translation>  - Pasta e formato de saída</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output Folder:</source>
        <translation>Pasta de saída:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same folder as input file</source>
        <translation>Pasta do original</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other folder</source>
        <translation>Outra pasta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse...</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output Format:</source>
        <translation>Formato de saída:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change...</source>
        <translation>Alterar…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>- Click Convert to start conversion</source>
        <translation>- Clique em Converter para começar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files at once:</source>
        <translation>Simultâneos:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Files at once</source>
        <translation>Arquivos simultâneos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How many files convert at the same time. Auto converts several short files at once,
and long ones one at a time when their encoder already keeps every core busy.</source>
        <translation>Quantos arquivos são convertidos ao mesmo tempo. Auto converte vários arquivos curtos juntos,
e os longos um de cada vez quando o codificador já ocupa todos os núcleos.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/window/frmMainBatch.cpp" line="+28"/>
        <source>Convert Selected</source>
        <translation>Converter marcados</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/frmMainBatch.cpp" line="-3"/>
        <location line="+110"/>
        <source>Convert All</source>
        <translation>Converter tudo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shutdown after conversion complete</source>
        <translation>Desligar ao terminar</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Select folder to add</source>
        <translation>Escolha a pasta a adicionar</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Select one or more video files</source>
        <translation>Escolha um ou mais arquivos de vídeo</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Please Stop Conversion first.</source>
        <translation>Pare a conversão primeiro.</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainBatch.cpp" line="-95"/>
        <source>Select the output folder</source>
        <translation>Escolha a pasta de saída</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The list is empty, Please add Video files from step 1</source>
        <translation>A lista está vazia. Adicione vídeos no passo 1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+32"/>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>No checked file is waiting for conversion. Tick the files to convert, or use Convert All.</source>
        <translation>Nenhum arquivo marcado aguarda conversão. Marque os arquivos a converter ou use “Converter tudo”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No file is waiting for conversion: every file in the list has been converted or cannot be read.</source>
        <translation>Nenhum arquivo aguarda conversão: todos os da lista foram convertidos ou não podem ser lidos.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> To try a file that failed again, right-click it and choose Convert Again.</source>
        <translation> Para tentar de novo um arquivo que falhou, clique nele com o botão direito e escolha “Converter de novo”.</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainFormats.cpp" line="+96"/>
        <source>Output Video Formats</source>
        <translation>Formatos de saída</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Presets</source>
        <translation>Predefinições</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom (Advanced)</source>
        <translation>Personalizado (avançado)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Keep every audio and subtitle track</source>
        <translation>Manter faixas de áudio e legendas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every sound and subtitle track of a file goes into its result, as far as the format can
hold them; what it cannot hold is named on the file&apos;s row. Off: one of each kind.</source>
        <translation>Cada faixa de áudio e de legendas vai para o resultado, desde que o formato as
comporte; o que ele não comporta é indicado na linha do arquivo. Desligado: uma de cada tipo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the original&apos;s date</source>
        <translation>Manter a data do original</translation>
    </message>
    <message>
        <source>Largest result:</source>
        <translation>Resultado máximo:</translation>
    </message>
    <message>
        <source>Largest result, in the unit beside it</source>
        <translation>Resultado máximo, na unidade ao lado</translation>
    </message>
    <message>
        <source>Unit of the largest result</source>
        <translation>Unidade do resultado máximo</translation>
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
        <translation>Uma cópia mantém suas imagens como estão, então não pode caber num tamanho.</translation>
    </message>
    <message>
        <source>Each result is made to fit this size: the picture&apos;s bit rate is worked out
from it, and a result over it is encoded again smaller. A limit too small
for a watchable picture is refused before anything is written.</source>
        <translation>Cada resultado é feito para caber neste tamanho: a taxa da imagem é calculada
a partir dele, e um resultado maior é codificado de novo menor. Um limite pequeno
demais para uma imagem assistível é recusado antes que algo seja gravado.</translation>
    </message>
    <message>
        <source>Remove black bars</source>
        <translation>Remover as faixas pretas</translation>
    </message>
    <message>
        <source>Make the picture smaller when needed</source>
        <translation>Reduzir a imagem quando preciso</translation>
    </message>
    <message>
        <source>A picture too large for the size at a watchable quality is made smaller
(1080p, 720p, 480p, then 360p) until it fits, and the row says to what.</source>
        <translation>Uma imagem grande demais para o tamanho com qualidade assistível é reduzida
(1080p, 720p, 480p e depois 360p) até caber, e a linha diz para quanto.</translation>
    </message>
    <message>
        <source>This format keeps a quality of its own that no bit rate changes, so it
cannot be made to fit a size.</source>
        <translation>Este formato tem uma qualidade própria que nenhuma taxa de bits muda, então
não pode ser ajustado a um tamanho.</translation>
    </message>
    <message>
        <source>Black bars around the picture (a letterbox, a pillarbox) are cut off where
the whole file has them; a dark scene or a fade to black is never cut.</source>
        <translation>As faixas pretas em volta da imagem (letterbox, pillarbox) são cortadas onde
o arquivo inteiro as tem; uma cena escura ou um fade para preto nunca é cortado.</translation>
    </message>
    <message>
        <source>A copy keeps its pictures as they are, so their black bars stay.</source>
        <translation>Uma cópia mantém as imagens como são, então as faixas pretas ficam.</translation>
    </message>
    <message>
        <source>Even loudness:</source>
        <translation>Sonoridade uniforme:</translation>
    </message>
    <message>
        <source>Even loudness</source>
        <translation>Sonoridade uniforme</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativada</translation>
    </message>
    <message>
        <source>Broadcast (-23 LUFS)</source>
        <translation>Radiodifusão (-23 LUFS)</translation>
    </message>
    <message>
        <source>Web and podcasts (-16 LUFS)</source>
        <translation>Web e podcasts (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Streaming (-14 LUFS)</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>Every result&apos;s sound is measured and brought to the same loudness, so that no file
plays much louder or softer than the others; its peaks stay below -1 dBTP. Measuring
adds a short pass before each file. A copy&apos;s sound is encoded to be evened.</source>
        <translation>O som de cada resultado é medido e levado à mesma sonoridade, para que nenhum arquivo
toque muito mais alto ou mais baixo que os outros; seus picos ficam abaixo de -1 dBTP.
A medição acrescenta uma passagem curta antes de cada arquivo. O som de uma cópia é
codificado para ser igualado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each result takes the date and time its original was last changed.</source>
        <translation>Cada resultado recebe a data e a hora da última modificação do seu original.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check results by decoding them</source>
        <translation>Verificar decodificando</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each result is played through once, as fast as the computer can, before it takes its
name; a result with a fault fails instead. Converting takes longer.</source>
        <translation>Cada resultado é reproduzido uma vez, o mais rápido possível, antes de receber seu
nome; um resultado com defeito falha. A conversão demora mais.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;&amp; Close</source>
        <translation>Salvar &amp;&amp; fechar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore Defaults</source>
        <translation>Restaurar padrão</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Output Category:</source>
        <translation>Categoria:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+49"/>
        <source>Output Video Codec:</source>
        <translation>Codec de vídeo:</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Output File Format (Container):</source>
        <translation>Formato de arquivo (contêiner):</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Output Format(Container):</source>
        <translation>Formato (contêiner):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Output Audio Options</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Audio Codec:</source>
        <translation>Codec:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sampling Rate:</source>
        <translation>Amostragem:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>Bitrate:</source>
        <translation>Taxa:</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Channels:</source>
        <translation>Canais:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Output Video Options</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Video Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aspect Ratio:</source>
        <translation>Proporção:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame rate:</source>
        <translation>Quadros:</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Error occured while getting paramters</source>
        <translation>Ocorreu um erro ao obter os parâmetros</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainRuns.cpp" line="+27"/>
        <source>Switching Off</source>
        <translation>Desligamento</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Power Off Now</source>
        <translation>Desligar agora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer will be switched off in %n seconds.</source>
        <translation>
            <numerusform>O lote terminou. O computador será desligado em %n segundo.</numerusform>
            <numerusform>O lote terminou. O computador será desligado em %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Interrupted Batch</source>
        <translation>Lote interrompido</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The list of files kept from the last run could not be read (%1), so the list starts empty. It was kept as %2.</source>
        <translation>Não foi possível ler a lista de arquivos guardada da última vez (%1), então a lista começa vazia. Ela foi guardada como %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Another Reelwright window is open and keeps the list of files. The files of this window are not kept when it closes, and the other window&apos;s batch is not offered here.</source>
        <translation>Outra janela do Reelwright está aberta e guarda a lista de arquivos. Os arquivos desta janela não são guardados ao fechá-la, e o lote da outra janela não é oferecido aqui.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the list kept from the last run could not be read and were left out. The list as it was is kept as %1.</source>
        <translation>
            <numerusform>Uma linha da lista guardada da última vez não pôde ser lida e foi deixada de fora. A lista como estava está guardada como %1.</numerusform>
            <numerusform>%n linhas da lista guardada da última vez não puderam ser lidas e foram deixadas de fora. A lista como estava está guardada como %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>One file kept in the list is no longer there and was left out: %1</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Um arquivo da lista não existe mais e foi deixado de fora: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files kept in the list are no longer there and were left out.</source>
        <translation>
            <numerusform>%n arquivos da lista não existem mais e foram deixados de fora.</numerusform>
            <numerusform>%n arquivos da lista não existem mais e foram deixados de fora.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>beside each file</source>
        <translation>ao lado de cada arquivo</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted before it ended: %n files are still to convert.

Resume converts them with the format and output folder the batch had:
%1</source>
        <translation>
            <numerusform>O último lote foi interrompido antes de terminar: falta converter %n arquivo.

“Retomar” o converte com o formato e a pasta de saída que o lote tinha:
%1</numerusform>
            <numerusform>O último lote foi interrompido antes de terminar: faltam converter %n arquivos.

“Retomar” os converte com o formato e a pasta de saída que o lote tinha:
%1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Show Encoder Output...</source>
        <translation>Mostrar a saída do codificador…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Convert Again</source>
        <translation>Converter de novo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear Finished</source>
        <translation>Remover concluídos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Takes the converted files out of the list</source>
        <translation>Tira da lista os arquivos convertidos</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted, %1 failed</source>
        <translation>
            <numerusform>%n arquivo convertido, %1 com falha</numerusform>
            <numerusform>%n arquivos convertidos, %1 com falha</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, %1 stopped</source>
        <translation>, %1 interrompidos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Conversion stopped</source>
        <translation>Conversão interrompida</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conversion finished</source>
        <translation>Conversão concluída</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Every file was converted.</source>
        <translation>Todos os arquivos foram convertidos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These files could not be converted:
</source>
        <translation>Estes arquivos não puderam ser convertidos:
</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainSettings.cpp" line="+122"/>
        <source>Your choices (output folder and format) could not be saved, so the next start will not show them:</source>
        <translation>Suas escolhas (pasta e formato de saída) não puderam ser salvas, então a próxima abertura não as mostrará:</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainShell.cpp" line="-15"/>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Converts a list of video files, one after another, into the format your computer, phone or player needs, with the FFmpeg encoder doing the work.</source>
        <translation>Converte uma lista de vídeos, um após o outro, para o formato de que seu computador, celular ou player precisa; o trabalho é feito pelo codificador FFmpeg.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Made by</source>
        <translation>Feito por</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts with</source>
        <translation>Converte com</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Files to convert</source>
        <translation>Arquivos a converter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Audio bitrate in kbps</source>
        <translation>Taxa de bits de áudio em kbps</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Audio channels</source>
        <translation>Canais de áudio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Video bitrate in kbps</source>
        <translation>Taxa de bits de vídeo em kbps</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame rate in fps</source>
        <translation>Quadros por segundo</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainFormats.cpp" line="-258"/>
        <source>Save as Preset...</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps the custom format as a preset of your own, listed with the others. Your presets
live in your own folder, where installing or upgrading the program never touches them.</source>
        <translation>Guarda o formato personalizado como uma predefinição sua, listada com as outras. Suas predefinições
ficam na sua própria pasta, que instalar ou atualizar o programa nunca altera.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Remove Preset</source>
        <translation>Remover predefinição</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removes the chosen preset of your own.</source>
        <translation>Remove a predefinição sua escolhida.</translation>
    </message>
    <message>
        <source>Expected size and time of the batch</source>
        <translation>Tamanho e tempo previstos do lote</translation>
    </message>
    <message>
        <source>Reelwright windows started later cannot hand their files to this one (%1). They open windows of their own.</source>
        <translation>Janelas do Reelwright abertas depois não podem repassar seus arquivos a esta (%1). Elas abrem janelas próprias.</translation>
    </message>
    <message>
        <source>Remove your preset &quot;%1&quot; from &quot;%2&quot;? This cannot be undone.</source>
        <extracomment>%1 is a preset&apos;s name, %2 its category.</extracomment>
        <translation>Remover a sua predefinição “%1” de “%2”? Isso não pode ser desfeito.</translation>
    </message>
</context>
<context>
    <name>reelwright::FileSize</name>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bytes</translation>
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
        <translation>%1: um link que leva para fora de %2, até %3</translation>
    </message>
</context>
<context>
    <name>reelwright::EvenSizeNote</name>
    <message>
        <source>The picture was made %1 from %2: the encoder takes even sizes only.</source>
        <extracomment>%1 and %2 are picture sizes in pixels, such as 720x404 and 721x405.</extracomment>
        <translation>A imagem passou de %2 para %1: o codificador só aceita tamanhos pares.</translation>
    </message>
</context>
<context>
    <name>reelwright::FileConversion</name>
    <message>
        <source>The file changed while it was converted; its result is not kept.</source>
        <translation>O arquivo mudou enquanto era convertido; o resultado não foi mantido.</translation>
    </message>
</context>
<context>
    <name>reelwright::FilterGraphCheck</name>
    <message>
        <source>the filter &quot;%1&quot; is not one this program knows, so it cannot tell that it opens no file</source>
        <extracomment>Why a preset is refused: %1 is the name of a filter.</extracomment>
        <translation>o filtro “%1” não é conhecido por este programa, que por isso não pode saber se ele abre algum arquivo</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; must be given its options by name (name=value)</source>
        <extracomment>Why a preset is refused: %1 is a filter such as drawtext.</extracomment>
        <translation>o filtro “%1” precisa receber suas opções pelo nome (name=value)</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; opens files, libraries or sockets by name</source>
        <extracomment>Why a preset is refused: %1 is the name of a filter, such as movie.</extracomment>
        <translation>o filtro “%1” abre arquivos, bibliotecas ou sockets pelo nome</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; would read its option &quot;%2&quot; from a file</source>
        <extracomment>Why a preset is refused: %1 is a filter, %2 one of its options.</extracomment>
        <translation>o filtro “%1” leria sua opção “%2” de um arquivo</translation>
    </message>
    <message>
        <source>the filter graph &quot;%1&quot; cannot be read</source>
        <extracomment>Why a preset is refused: %1 is one of its filter graphs.</extracomment>
        <translation>não é possível ler o grafo de filtros “%1”</translation>
    </message>
    <message>
        <source>the filter label &quot;[%1]&quot; takes tracks from another input than the one being converted</source>
        <extracomment>Why a preset is refused: %1 is a label of a filter graph, such as &quot;1:v&quot;.</extracomment>
        <translation>o rótulo de filtro “[%1]” usa faixas de outra entrada que não a que está sendo convertida</translation>
    </message>
    <message>
        <source>the option &quot;%2&quot; of the filter &quot;%1&quot; names a file</source>
        <extracomment>Why a preset is refused: %1 is a filter, %2 one of its options.</extracomment>
        <translation>a opção “%2” do filtro “%1” aponta para um arquivo</translation>
    </message>
</context>
<context>
    <name>reelwright::FixedFrame</name>
    <message>
        <source>Picture fitted into %1 with black bars, shown at %2.</source>
        <extracomment>%1 is the frame&apos;s size (&quot;720x576&quot;), %2 its shape (&quot;16:9&quot;).</extracomment>
        <translation>Imagem encaixada em %1 com faixas pretas, exibida em %2.</translation>
    </message>
</context>
<context>
    <name>reelwright::LoudnessLook</name>
    <message>
        <source>The sound could not be measured to even its loudness.</source>
        <extracomment>Said when the sound could not be measured before evening its loudness.</extracomment>
        <translation>Não foi possível medir o som para igualar a sonoridade.</translation>
    </message>
    <message>
        <source>The sound could not be measured to even its loudness: %1</source>
        <translation>Não foi possível medir o som para igualar a sonoridade: %1</translation>
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
        <translation>%1 não comporta áudio que este programa consiga codificar, então a sonoridade foi deixada como está.</translation>
    </message>
    <message>
        <source>Loudness %1 → %2, through a limiter: one gain would have taken its peaks above %3 dBTP.</source>
        <extracomment>%1 and %2 are loudnesses; %3 the true-peak limit, such as -1.</extracomment>
        <translation>Sonoridade %1 → %2, com um limitador: um ganho único teria levado os picos acima de %3 dBTP.</translation>
    </message>
    <message>
        <source>Loudness %1 → %2.</source>
        <extracomment>%1 and %2 are loudnesses: &quot;-31.2 LUFS → -16.0 LUFS&quot;.</extracomment>
        <translation>Sonoridade %1 → %2.</translation>
    </message>
    <message>
        <source>Picture copied, sound encoded to even its loudness (%1).</source>
        <extracomment>%1 is an audio codec, such as AAC.</extracomment>
        <translation>Imagem copiada, som codificado para igualar a sonoridade (%1).</translation>
    </message>
    <message>
        <source>Sound track %1: %2</source>
        <extracomment>%1 is a sound track&apos;s number; %2 what was done to it, such as &quot;loudness -31.2 LUFS → -16.0 LUFS.&quot;</extracomment>
        <translation>Faixa de áudio %1: %2</translation>
    </message>
    <message>
        <source>The format filters its sound itself, so its loudness was left as it is.</source>
        <translation>O formato filtra o próprio som, então a sonoridade foi deixada como está.</translation>
    </message>
    <message>
        <source>The sound is silent or nearly so: its loudness was left as it is.</source>
        <translation>O som é silencioso ou quase: a sonoridade foi deixada como está.</translation>
    </message>
    <message>
        <source>The sound was encoded to even its loudness (%1).</source>
        <extracomment>%1 is an audio codec, such as AAC.</extracomment>
        <translation>O som foi codificado para igualar a sonoridade (%1).</translation>
    </message>
    <message>
        <source>The sound&apos;s loudness could not be measured: it was left as it is.</source>
        <translation>Não foi possível medir a sonoridade do som: ela foi deixada como está.</translation>
    </message>
    <message>
        <source>about %1</source>
        <extracomment>A loudness that was not measured: &quot;about -16.0 LUFS&quot;.</extracomment>
        <translation>cerca de %1</translation>
    </message>
    <message>
        <source>its loudness could not be measured: it was left as it is.</source>
        <translation>não foi possível medir a sonoridade: ela foi deixada como está.</translation>
    </message>
    <message>
        <source>loudness %1 → %2, through a limiter: one gain would have taken its peaks above %3 dBTP.</source>
        <extracomment>%1 and %2 are loudnesses; %3 the true-peak limit, such as -1.</extracomment>
        <translation>sonoridade %1 → %2, com um limitador: um ganho único teria levado os picos acima de %3 dBTP.</translation>
    </message>
    <message>
        <source>loudness %1 → %2.</source>
        <extracomment>%1 and %2 are loudnesses: &quot;-31.2 LUFS → -16.0 LUFS&quot;.</extracomment>
        <translation>sonoridade %1 → %2.</translation>
    </message>
    <message>
        <source>silent or nearly so: its loudness was left as it is.</source>
        <translation>silencioso ou quase: a sonoridade foi deixada como está.</translation>
    </message>
</context>
<context>
    <name>reelwright::OwnFolder</name>
    <message>
        <source>%1 belongs to another user (uid %2)</source>
        <translation>%1 pertence a outro usuário (uid %2)</translation>
    </message>
    <message>
        <source>%1 cannot be looked at: %2</source>
        <translation>não é possível examinar %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>%1 has mode %2, not 0700: other users could reach into it</source>
        <translation>%1 tem o modo %2, não 0700: outros usuários poderiam acessar o seu conteúdo</translation>
    </message>
    <message>
        <source>%1 is a link, not a folder</source>
        <translation>%1 é um link, não uma pasta</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
</context>
<context>
    <name>reelwright::PresetParams</name>
    <message>
        <source>&quot;%1 %2&quot; takes tracks from another input than the one being converted</source>
        <extracomment>Why a preset is refused: %1 %2 is an option and its value, such as -map 1:v.</extracomment>
        <translation>“%1 %2” usa faixas de outra entrada que não a que está sendo convertida</translation>
    </message>
    <message>
        <source>&quot;%1&quot; decides whether existing files are written over, which the program decides itself</source>
        <extracomment>Why a preset is refused: %1 is -y or -n.</extracomment>
        <translation>“%1” decide se arquivos existentes são sobrescritos, o que o próprio programa decide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option or an option&apos;s value: the encoder would write a second output file there</source>
        <extracomment>Why a preset is refused: %1 is a word of its params.</extracomment>
        <translation>“%1” não é uma opção nem o valor de uma opção: o codificador gravaria ali um segundo arquivo de saída</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option the encoder takes</source>
        <extracomment>Why a preset is refused: %1 is a word of its params.</extracomment>
        <translation>“%1” não é uma opção aceita pelo codificador</translation>
    </message>
    <message>
        <source>&quot;%1&quot; makes the encoder print information and stop instead of converting</source>
        <extracomment>Why a preset is refused: %1 is an option such as -version.</extracomment>
        <translation>“%1” faz o codificador exibir informações e parar em vez de converter</translation>
    </message>
    <message>
        <source>&quot;%1&quot; makes the encoder read or write a file other than the one it converts</source>
        <extracomment>Why a preset is refused: %1 is an option such as -progress.</extracomment>
        <translation>“%1” faz o codificador ler ou gravar um arquivo diferente do que ele converte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value, and none follows it</source>
        <extracomment>Why a preset is refused: %1 is an option such as -c:v.</extracomment>
        <translation>“%1” requer um valor, e nenhum vem depois dele</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would add another input</source>
        <extracomment>Why a preset is refused: %1 is -i.</extracomment>
        <translation>“%1” adicionaria outra entrada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would read its value from a file</source>
        <extracomment>Why a preset is refused: %1 is an option such as -/vf.</extracomment>
        <translation>“%1” leria seu valor de um arquivo</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <extracomment>Why a preset is refused.</extracomment>
        <translation>há aspas não fechadas</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; of &quot;%2&quot; names a file</source>
        <extracomment>Why a preset is refused: %1 is a setting such as stats, %2 an option such as -x264-params.</extracomment>
        <translation>a configuração “%1” de “%2” aponta para um arquivo</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; names a file: &quot;%2&quot;</source>
        <extracomment>Why a preset is refused: %1 is an option such as -attach, %2 its value.</extracomment>
        <translation>o valor de “%1” aponta para um arquivo: “%2”</translation>
    </message>
</context>
<context>
    <name>reelwright::RunningWindow</name>
    <message>
        <source>%1 cannot be listened on: %2</source>
        <translation>não é possível aguardar conexões em %1: %2</translation>
    </message>
    <message>
        <source>The files are not handed to the Reelwright window open, and this window opens on its own: %1.</source>
        <translation>Os arquivos não são repassados à janela do Reelwright aberta, e esta janela abre por conta própria: %1.</translation>
    </message>
    <message>
        <source>The files are not handed to the window at %1: it belongs to another user. This window opens on its own.</source>
        <translation>Os arquivos não são repassados à janela em %1: ela pertence a outro usuário. Esta janela abre por conta própria.</translation>
    </message>
    <message>
        <source>Too many files to hand to the Reelwright window open; this window opens on its own.</source>
        <translation>Arquivos demais para repassar à janela do Reelwright aberta; esta janela abre por conta própria.</translation>
    </message>
</context>
<context>
    <name>reelwright::SafeFile</name>
    <message>
        <source>it is a device, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>é um dispositivo, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>é uma pasta, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a link, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>é um link, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>é um pipe nomeado, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>é um socket, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>reelwright::SizeLimit</name>
    <message>
        <source>a size such as 25M, 25MB, 1.5G or 700MiB (K, M and G count by thousands, KiB, MiB and GiB by 1024), of 100K or more</source>
        <translation>um tamanho como 25M, 25MB, 1.5G ou 700MiB (K, M e G contam de 1000 em 1000; KiB, MiB e GiB, de 1024 em 1024), de 100K ou mais</translation>
    </message>
</context>
<context>
    <name>reelwright::SoundLayout</name>
    <message>
        <source>%1 cannot hold %2.</source>
        <extracomment>%1 is an audio codec (&quot;AAC&quot;), %2 a channel layout (&quot;6.1&quot;).</extracomment>
        <translation>%1 não comporta %2.</translation>
    </message>
    <message>
        <source>%1 sound mixed down to %2: %3</source>
        <extracomment>%1 and %2 are channel layouts (&quot;5.1&quot;, &quot;stereo&quot;); %3 says why.</extracomment>
        <translation>Áudio %1 mixado para %2: %3</translation>
    </message>
    <message>
        <source>the format is %1.</source>
        <translation>o formato é %1.</translation>
    </message>
    <message>
        <source>the format keeps %1 channels.</source>
        <translation>o formato mantém %1 canais.</translation>
    </message>
</context>
<context>
    <name>reelwright::TrackMarks</name>
    <message>
        <source>%1 keeps no commentary marks: %2 no longer marked so.</source>
        <translation>%1 não mantém marcas de faixa de comentário: a marca foi retirada de %2.</translation>
    </message>
    <message>
        <source>%1 keeps no forced marks: %2 no longer marked so.</source>
        <translation>%1 não mantém marcas de faixa forçada: a marca foi retirada de %2.</translation>
    </message>
    <message>
        <source>%1 keeps no languages: %2 left out.</source>
        <translation>%1 não mantém idiomas; deixados de fora: %2.</translation>
    </message>
    <message>
        <source>%1 keeps no track titles: %2 left out.</source>
        <translation>%1 não mantém títulos de faixa; deixados de fora: %2.</translation>
    </message>
</context>
<context>
    <name>reelwright::WatchedFolder</name>
    <message>
        <source>not a folder, so it cannot be watched</source>
        <translation>não é uma pasta, então não pode ser monitorada</translation>
    </message>
    <message>
        <source>not taken: a link, which a watched folder never follows</source>
        <extracomment>Why a watched folder&apos;s entry is not converted.</extracomment>
        <translation>não aceito: um link, que uma pasta monitorada nunca segue</translation>
    </message>
    <message>
        <source>not taken: not a regular file (a pipe, a device or a socket)</source>
        <translation>não aceito: não é um arquivo comum (um pipe, um dispositivo ou um socket)</translation>
    </message>
    <message>
        <source>the folder to watch cannot be read: %1</source>
        <translation>não é possível ler a pasta a monitorar: %1</translation>
    </message>
</context>
</TS>
