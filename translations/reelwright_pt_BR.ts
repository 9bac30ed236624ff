<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>reelwright::BoxQueue</name>
    <message numerus="yes">
        <source>%n more came meanwhile; all of them are under Show Details.</source>
        <translation><numerusform>Chegaram mais %n enquanto isso; todas estão em “Mostrar detalhes”.</numerusform><numerusform>Chegaram mais %n enquanto isso; todas estão em “Mostrar detalhes”.</numerusform></translation>
    </message>
</context>
<context>
    <name>reelwright::Dialogs</name>
    <message>
        <source>Save as Preset</source>
        <translation>Salvar como predefinição</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nome da predefinição</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoria:</translation>
    </message>
    <message>
        <source>Preset name:</source>
        <translation>Nome da predefinição:</translation>
    </message>
</context>
<context>
    <name>reelwright::EncoderOutputView</name>
    <message>
        <source>Encoder Output - %1</source>
        <translation>Saída do codificador – %1</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar tudo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>What the encoder said</source>
        <translation>O que o codificador disse</translation>
    </message>
</context>
<context>
    <name>reelwright::JobGrid</name>
    <message>
        <source>Ticked</source>
        <translation>Marcada</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Não marcada</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vazia</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Marca</translation>
    </message>
</context>
<context>
    <name>reelwright::JobListStore</name>
    <message>
        <source>File Path</source>
        <translation>Caminho do arquivo</translation>
    </message>
    <message>
        <source>Conversion Status</source>
        <translation>Status da conversão</translation>
    </message>
    <message>
        <source>Time Length</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho</translation>
    </message>
</context>
<context>
    <name>reelwright::Status</name>
    <message>
        <source>Waiting Conversion</source>
        <translation>Aguardando conversão</translation>
    </message>
    <message>
        <source>Unkown Format</source>
        <translation>Formato desconhecido</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Unknown format</source>
        <translation>Formato desconhecido</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelada</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluída</translation>
    </message>
    <message>
        <source>Waiting Next Batch</source>
        <translation>Aguarda o próximo lote</translation>
    </message>
</context>
<context>
    <name>reelwright::frmMain</name>
    <message>
        <source>The list of files cannot be kept for the next start (%1). Converting goes on, but the list will be lost when Reelwright ends.</source>
        <translation>A lista de arquivos não pode ser guardada para a próxima vez (%1). A conversão continua, mas a lista será perdida quando o Reelwright fechar.</translation>
    </message>
    <message>
        <source>The encoder's output cannot be kept in logs (%1). Converting goes on.</source>
        <translation>A saída do codificador não pode ser guardada em registros (%1). A conversão continua.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1 (F1)</source>
        <translation>%1 (F1)</translation>
    </message>
    <message>
        <source>Three easy steps to convert your video files.</source>
        <translation>Três passos simples para converter seus vídeos.</translation>
    </message>
    <message>
        <source>  - Add Video Files/Folders</source>
        <translation>  - Adicionar vídeos ou pastas</translation>
    </message>
    <message>
        <source>Add Video File...</source>
        <translation>Adicionar vídeo…</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Adicionar pasta…</translation>
    </message>
    <message>
        <source>For Quick Adding:You can drag and drop video files into the below list</source>
        <translation>Mais rápido: arraste os vídeos para a lista abaixo</translation>
    </message>
    <message>
        <source>Select/Unselect All</source>
        <translation>Marcar tudo</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Play Highlighted File</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>  - Select Output Folder and Format</source>
        <translation>  - Pasta e formato de saída</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Pasta de saída:</translation>
    </message>
    <message>
        <source>Same folder as input file</source>
        <translation>Pasta do original</translation>
    </message>
    <message>
        <source>Other folder</source>
        <translation>Outra pasta</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato de saída:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Alterar…</translation>
    </message>
    <message>
        <source>- Click Convert to start conversion</source>
        <translation>- Clique em Converter para começar</translation>
    </message>
    <message>
        <source>Files at once:</source>
        <translation>Simultâneos:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Files at once</source>
        <translation>Arquivos simultâneos</translation>
    </message>
    <message>
        <source>How many files convert at the same time. Auto converts several short files at once,
and long ones one at a time when their encoder already keeps every core busy.</source>
        <translation>Quantos arquivos são convertidos ao mesmo tempo. Auto converte vários arquivos curtos juntos,
e os longos um de cada vez quando o codificador já ocupa todos os núcleos.</translation>
    </message>
    <message>
        <source>Convert Selected</source>
        <translation>Converter marcados</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Converter tudo</translation>
    </message>
    <message>
        <source>Shutdown after conversion complete</source>
        <translation>Desligar ao terminar</translation>
    </message>
    <message>
        <source>Select folder to add</source>
        <translation>Escolha a pasta a adicionar</translation>
    </message>
    <message>
        <source>Select one or more video files</source>
        <translation>Escolha um ou mais arquivos de vídeo</translation>
    </message>
    <message>
        <source>Please Stop Conversion first.</source>
        <translation>Pare a conversão primeiro.</translation>
    </message>
    <message>
        <source>Select the output folder</source>
        <translation>Escolha a pasta de saída</translation>
    </message>
    <message>
        <source>The list is empty, Please add Video files from step 1</source>
        <translation>A lista está vazia. Adicione vídeos no passo 1.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>No checked file is waiting for conversion. Tick the files to convert, or use Convert All.</source>
        <translation>Nenhum arquivo marcado aguarda conversão. Marque os arquivos a converter ou use “Converter tudo”.</translation>
    </message>
    <message>
        <source>No file is waiting for conversion: every file in the list has been converted or cannot be read.</source>
        <translation>Nenhum arquivo aguarda conversão: todos os da lista foram convertidos ou não podem ser lidos.</translation>
    </message>
    <message>
        <source> To try a file that failed again, right-click it and choose Convert Again.</source>
        <translation> Para tentar de novo um arquivo que falhou, clique nele com o botão direito e escolha “Converter de novo”.</translation>
    </message>
    <message>
        <source>Output Video Formats</source>
        <translation>Formatos de saída</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Predefinições</translation>
    </message>
    <message>
        <source>Custom (Advanced)</source>
        <translation>Personalizado (avançado)</translation>
    </message>
    <message>
        <source>Keep every audio and subtitle track</source>
        <translation>Manter faixas de áudio e legendas</translation>
    </message>
    <message>
        <source>Every sound and subtitle track of a file goes into its result, as far as the format can
hold them; what it cannot hold is named on the file's row. Off: one of each kind.</source>
        <translation>Cada faixa de áudio e de legendas vai para o resultado, desde que o formato as
comporte; o que ele não comporta é indicado na linha do arquivo. Desligado: uma de cada tipo.</translation>
    </message>
    <message>
        <source>Keep the original's date</source>
        <translation>Manter a data do original</translation>
    </message>
    <message>
        <source>Each result takes the date and time its original was last changed.</source>
        <translation>Cada resultado recebe a data e a hora da última modificação do seu original.</translation>
    </message>
    <message>
        <source>Check results by decoding them</source>
        <translation>Verificar decodificando</translation>
    </message>
    <message>
        <source>Each result is played through once, as fast as the computer can, before it takes its
name; a result with a fault fails instead. Converting takes longer.</source>
        <translation>Cada resultado é reproduzido uma vez, o mais rápido possível, antes de receber seu
nome; um resultado com defeito falha. A conversão demora mais.</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Salvar &amp;&amp; fechar</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar padrão</translation>
    </message>
    <message>
        <source>Output Category:</source>
        <translation>Categoria:</translation>
    </message>
    <message>
        <source>Output Video Codec:</source>
        <translation>Codec de vídeo:</translation>
    </message>
    <message>
        <source>Output File Format (Container):</source>
        <translation>Formato de arquivo (contêiner):</translation>
    </message>
    <message>
        <source>Output Format(Container):</source>
        <translation>Formato (contêiner):</translation>
    </message>
    <message>
        <source>Output Audio Options</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Output Audio Codec:</source>
        <translation>Codec:</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>Amostragem:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Taxa:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canais:</translation>
    </message>
    <message>
        <source>Output Video Options</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proporção:</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Quadros:</translation>
    </message>
    <message>
        <source>Error occured while getting paramters</source>
        <translation>Ocorreu um erro ao obter os parâmetros</translation>
    </message>
    <message>
        <source>Switching Off</source>
        <translation>Desligamento</translation>
    </message>
    <message>
        <source>Power Off Now</source>
        <translation>Desligar agora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The batch has ended. The computer will be switched off in 1 second.</source>
        <translation>O lote terminou. O computador será desligado em 1 segundo.</translation>
    </message>
    <message>
        <source>The batch has ended. The computer will be switched off in %1 seconds.</source>
        <translation>O lote terminou. O computador será desligado em %1 segundos.</translation>
    </message>
    <message>
        <source>Interrupted Batch</source>
        <translation>Lote interrompido</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>The list of files kept from the last run could not be read (%1), so the list starts empty. It was kept as %2.</source>
        <translation>Não foi possível ler a lista de arquivos guardada da última vez (%1), então a lista começa vazia. Ela foi guardada como %2.</translation>
    </message>
    <message>
        <source>Another Reelwright window is open and keeps the list of files. The files of this window are not kept when it closes, and the other window's batch is not offered here.</source>
        <translation>Outra janela do Reelwright está aberta e guarda a lista de arquivos. Os arquivos desta janela não são guardados ao fechá-la, e o lote da outra janela não é oferecido aqui.</translation>
    </message>
    <message>
        <source>One row of the list kept from the last run could not be read and was left out. The list as it was is kept as %1.</source>
        <translation>Uma linha da lista guardada da última vez não pôde ser lida e foi deixada de fora. A lista como estava está guardada como %1.</translation>
    </message>
    <message>
        <source>%1 rows of the list kept from the last run could not be read and were left out. The list as it was is kept as %2.</source>
        <translation>%1 linhas da lista guardada da última vez não puderam ser lidas e foram deixadas de fora. A lista como estava está guardada como %2.</translation>
    </message>
    <message>
        <source>One file kept in the list is no longer there and was left out.</source>
        <translation>Um arquivo da lista não existe mais e foi deixado de fora.</translation>
    </message>
    <message>
        <source>%1 files kept in the list are no longer there and were left out.</source>
        <translation>%1 arquivos da lista não existem mais e foram deixados de fora.</translation>
    </message>
    <message>
        <source>beside each file</source>
        <translation>ao lado de cada arquivo</translation>
    </message>
    <message>
        <source>The last batch was interrupted before it ended: 1 file is still to convert.

Resume converts it with the format and output folder the batch had:
%1</source>
        <translation>O último lote foi interrompido antes de terminar: falta converter 1 arquivo.

“Retomar” o converte com o formato e a pasta de saída que o lote tinha:
%1</translation>
    </message>
    <message>
        <source>The last batch was interrupted before it ended: %1 files are still to convert.

Resume converts them with the format and output folder the batch had:
%2</source>
        <translation>O último lote foi interrompido antes de terminar: faltam converter %1 arquivos.

“Retomar” os converte com o formato e a pasta de saída que o lote tinha:
%2</translation>
    </message>
    <message>
        <source>Show Encoder Output...</source>
        <translation>Mostrar a saída do codificador…</translation>
    </message>
    <message>
        <source>Convert Again</source>
        <translation>Converter de novo</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Remover concluídos</translation>
    </message>
    <message>
        <source>Takes the converted files out of the list</source>
        <translation>Tira da lista os arquivos convertidos</translation>
    </message>
    <message>
        <source>1 file converted, %1 failed</source>
        <translation>1 arquivo convertido, %1 com falha</translation>
    </message>
    <message>
        <source>%1 files converted, %2 failed</source>
        <translation>%1 arquivos convertidos, %2 com falha</translation>
    </message>
    <message>
        <source>, %1 stopped</source>
        <translation>, %1 interrompidos</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>Conversão interrompida</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversão concluída</translation>
    </message>
    <message>
        <source>Every file was converted.</source>
        <translation>Todos os arquivos foram convertidos.</translation>
    </message>
    <message>
        <source>These files could not be converted:
</source>
        <translation>Estes arquivos não puderam ser convertidos:
</translation>
    </message>
    <message>
        <source>Your choices (output folder and format) could not be saved, so the next start will not show them:</source>
        <translation>Suas escolhas (pasta e formato de saída) não puderam ser salvas, então a próxima abertura não as mostrará:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Converts a list of video files, one after another, into the format your computer, phone or player needs, with the FFmpeg encoder doing the work.</source>
        <translation>Converte uma lista de vídeos, um após o outro, para o formato de que seu computador, celular ou player precisa; o trabalho é feito pelo codificador FFmpeg.</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Feito por</translation>
    </message>
    <message>
        <source>Converts with</source>
        <translation>Converte com</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Arquivos a converter</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Audio bitrate in kbps</source>
        <translation>Taxa de bits de áudio em kbps</translation>
    </message>
    <message>
        <source>Audio channels</source>
        <translation>Canais de áudio</translation>
    </message>
    <message>
        <source>Video bitrate in kbps</source>
        <translation>Taxa de bits de vídeo em kbps</translation>
    </message>
    <message>
        <source>Frame rate in fps</source>
        <translation>Quadros por segundo</translation>
    </message>
    <message>
        <source>Save as Preset...</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>Keeps the custom format as a preset of your own, listed with the others. Your presets
live in your own folder, where installing or upgrading the program never touches them.</source>
        <translation>Guarda o formato personalizado como uma predefinição sua, listada com as outras. Suas predefinições
ficam na sua própria pasta, que instalar ou atualizar o programa nunca altera.</translation>
    </message>
    <message>
        <source>Remove Preset</source>
        <translation>Remover predefinição</translation>
    </message>
    <message>
        <source>Removes the chosen preset of your own.</source>
        <translation>Remove a predefinição sua escolhida.</translation>
    </message>
</context>
</TS>