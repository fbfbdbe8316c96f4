[playlist]
# File9=http://hash.example/
; Title1=Not a title
  file1 = http://one.example/
File2=http://two.example/
Title3=Misnumbered
listtype=TV
