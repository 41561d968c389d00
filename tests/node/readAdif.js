// Reads an ADIF file with an independent parser and prints what it found as
// JSON: {"headerText": ..., "records": [{field: value, ...}, ...]}.
// The file is single-byte text: each byte is read as one character
// (latin1), so that lengths count as the exporting program counted them.
'use strict';

const fs = require('fs');
const { AdifParser } = require('adif-parser-ts');

const file = process.argv[2];
if (!file) {
  console.error('usage: node readAdif.js FILE.adi');
  process.exit(2);
}
const parsed = AdifParser.parseAdi(fs.readFileSync(file, 'latin1'));
process.stdout.write(JSON.stringify({
  headerText: parsed.header ? parsed.header.text : null,
  records: parsed.records || [],
}));
