// Reads an ADIF file with a strict ADIF 3 reader (tcadif), which checks every
// field's data type, enumeration and format.  Prints the number of records
// read, or the first refused field and exits with 1.
// The file is single-byte text: each byte is read as one character (latin1).
'use strict';

const fs = require('fs');
const { ADIF } = require('tcadif');

const file = process.argv[2];
if (!file) {
  console.error('usage: node checkAdifStrict.js FILE.adi');
  process.exit(2);
}
try {
  const adif = ADIF.parse(fs.readFileSync(file, 'latin1'));
  const qsos = adif.toObject().qsos || [];
  process.stdout.write(`${qsos.length} records\n`);
} catch (error) {
  process.stdout.write(`refused: ${error.message}; field ${error.field}; value ${JSON.stringify(error.value)}\n`);
  process.exit(1);
}
