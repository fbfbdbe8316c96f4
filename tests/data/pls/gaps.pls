[playlist]
Title9=Nine
Title5=Five

File5=http://five.example/
File9=http://nine.example/
File12=http://twelve.example/
Title12=Twelve
NumberOfEntries=3
